// A dialog with every control kind, and an event log, for the model tests.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/Dialog.h"
#include "platform/ui/Services.h"

namespace ui::test {

inline const DialogTemplate& everyKindTemplate() {
  static const DialogTemplate t{
      .id = 200,
      .caption = "Every kind",
      .size = {200, 120},
      .controls = {
          {kAnonymous, ControlKind::Static, "Label", {5, 5, 40, 8}},
          {1000, ControlKind::Edit, "", {50, 5, 60, 12}, style::Border | style::AutoHScroll},
          {1001, ControlKind::Edit, "fixed", {50, 20, 60, 12}, style::ReadOnly},
          {1002, ControlKind::DropDownList, "", {50, 35, 60, 40}, 0, {"A", "B", "C"}},
          {1003, ControlKind::AutoCheckBox, "Check", {5, 50, 60, 10}},
          {1004, ControlKind::AutoRadioButton, "R1", {5, 62, 40, 10}, style::Group},
          {1005, ControlKind::AutoRadioButton, "R2", {5, 74, 40, 10}},
          {1006, ControlKind::AutoRadioButton, "R3", {50, 62, 40, 10}, style::Group},
          {1007, ControlKind::Edit, "3", {120, 5, 20, 12}},
          {1008, ControlKind::UpDown, "", {140, 5, 9, 12}, style::AutoBuddy | style::ArrowKeys},
          {1009, ControlKind::UpDown, "", {150, 20, 9, 12}, style::ArrowKeys},
          {1010, ControlKind::GroupBox, "Frame", {110, 40, 80, 40}},
          {1011, ControlKind::PushButton, "Other", {110, 85, 40, 14}},
          {ui::IDOK, ControlKind::DefPushButton, "OK", {20, 100, 40, 14}},
          {ui::IDCANCEL, ControlKind::PushButton, "Cancel", {70, 100, 40, 14}},
      }};
  return t;
}

// Logs every notification as "<kind> <id>" and binds the edit, list and check box.
class LoggingDialog : public Dialog {
 public:
  explicit LoggingDialog(const DialogTemplate& t = everyKindTemplate()) : Dialog(t) {
    for (const ControlTemplate& c : t.controls) {
      if (c.id == kAnonymous) continue;
      const int id = c.id;
      if (id != 1 && id != 2) onClicked(id, [this, id] { log("click", id); });
      onSelChange(id, [this, id] { log("select", id); });
      onKillFocus(id, [this, id] { log("killfocus", id); });
      on(Notify::SetFocus, id, [this, id] { log("setfocus", id); });
      on(Notify::Change, id, [this, id] { log("change", id); });
      onDeltaPos(id, [this, id](int position, int delta) {
        log("deltapos " + std::to_string(position) + " " + std::to_string(delta), id);
        return allowSteps;
      });
    }
  }

  std::vector<std::string> events;
  std::string text;
  int listIndex = 1;
  int checked = 1;
  bool allowSteps = true;
  int shows = 0;

 protected:
  void DoDataExchange(DataExchange& dx) override {
    dx.text(1000, text);
    dx.index(1002, listIndex);
    dx.check(1003, checked);
  }
  void OnShowWindow(bool show) override {
    if (show) ++shows;
  }
  void OnOK() override {
    log("ok", 1);
    Dialog::OnOK();
  }
  void OnCancel() override {
    log("cancel", 2);
    Dialog::OnCancel();
  }

 private:
  void log(const std::string& what, int id) { events.push_back(what + " " + std::to_string(id)); }
};

}  // namespace ui::test
