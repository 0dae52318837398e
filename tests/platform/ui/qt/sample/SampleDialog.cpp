#include "SampleDialog.h"

#include "platform/ui/Painter.h"
#include "platform/ui/Services.h"

namespace sample {

using ui::ControlKind;
namespace st = ui::style;

const ui::DialogTemplate& sampleTemplate() {
  static const ui::DialogTemplate t{
      .id = 102,
      .caption = "Sample of every control",
      .size = {230, 150},
      .controls = {
          {kPlainLabel, ControlKind::Static, "Plain edit", {7, 9, 45, 8}},
          {kPlainEdit, ControlKind::Edit, "", {55, 7, 70, 12}, st::Border | st::AutoHScroll},
          {ui::kAnonymous, ControlKind::Static, "Number", {7, 25, 45, 8}},
          {kNumberEdit, ControlKind::Edit, "", {55, 23, 70, 12}, st::Border | st::AutoHScroll},
          {ui::kAnonymous, ControlKind::Static, "Read-only", {7, 41, 45, 8}},
          {kReadOnlyEdit, ControlKind::Edit, "fixed text", {55, 39, 70, 12}, st::ReadOnly | st::Border},
          {kList, ControlKind::DropDownList, "", {135, 7, 80, 50}, 0, {"REGULAR", "HIGH", "SUPER"}},
          {kCheck, ControlKind::AutoCheckBox, "Check box", {135, 25, 80, 10}},
          {kRadioA, ControlKind::AutoRadioButton, "Radio A", {135, 39, 40, 10}, st::Group},
          {kRadioB, ControlKind::AutoRadioButton, "Radio B", {178, 39, 40, 10}},
          {kSpinBuddy, ControlKind::Edit, "3", {55, 57, 25, 13}, st::Border},
          {kSpin, ControlKind::UpDown, "", {80, 57, 9, 13}, st::AutoBuddy | st::ArrowKeys | st::AlignRight},
          {kSpinNoBuddy, ControlKind::UpDown, "", {100, 57, 30, 13}, st::Horizontal | st::ArrowKeys},
          {kPrettyLabel, ControlKind::Static, "White label", {135, 59, 80, 10}, st::Center},
          {kGroup, ControlKind::GroupBox, "Group", {5, 76, 220, 46}, st::Flat},
          {kPush, ControlKind::PushButton, "Push", {12, 100, 40, 14}},
          {ui::IDOK, ControlKind::DefPushButton, "OK", {110, 128, 50, 14}},
          {ui::IDCANCEL, ControlKind::PushButton, "Cancel", {170, 128, 50, 14}},
      }};
  return t;
}

SampleDialog::SampleDialog() : CPrettyDialog(sampleTemplate()) {
  number_.SetNumeric(1);
  readOnly_.SetFaceName("DejaVu Sans");
  pretty_.SetColours(skeleton::kWhite, skeleton::kDialogBack);
  SubclassDlgItem(kNumberEdit, number_);
  SubclassDlgItem(kReadOnlyEdit, readOnly_);
  SubclassDlgItem(kPrettyLabel, pretty_);
  for (const ui::ControlTemplate& c : sampleTemplate().controls) {
    const int id = c.id;
    if (id == ui::kAnonymous) continue;
    if (id != 1 && id != 2) onClicked(id, [this, id] { log("click", id); });
    onSelChange(id, [this, id] { log("select", id); });
    onKillFocus(id, [this, id] { log("killfocus", id); });
    onDeltaPos(id, [this, id](int, int delta) {
      log("deltapos " + std::to_string(delta), id);
      return true;
    });
  }
}

void SampleDialog::log(const std::string& what, int id) { events.push_back(what + " " + std::to_string(id)); }

void SampleDialog::DoDataExchange(ui::DataExchange& dx) {
  dx.text(kPlainEdit, plainText);
  dx.text(kNumberEdit, numberText);
  dx.index(kList, listIndex);
}

void SampleDialog::OnPaint(ui::Painter& painter) {
  ++paints;
  const ui::Rect group = controlRectPixels(kGroup);
  const int x = group.x + group.cx / 2;
  const int y = group.y + group.cy / 2 + 4;
  painter.SelectPen({ui::PenStyle::Solid, 1, {255, 0, 0}});
  painter.MoveTo(x, y);
  painter.LineTo(x + 80, y);
  painter.AngleArc(x + 80, y, 10, 0, 360);
  painter.SetTextColor(skeleton::kWhite);
  painter.SetBkColor(skeleton::kDialogBack);
  painter.TextOut(x - 40, y - 18, "Painted");
}

void SampleDialog::OnTimer(int) { ++ticks; }

}  // namespace sample
