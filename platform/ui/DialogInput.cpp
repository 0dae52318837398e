// User events, focus and commands of the dialog model, in the platform's order.
#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/ui/Dialog.h"
#include "platform/ui/Services.h"

namespace ui {

ControlState* Dialog::userTarget(int id) {
  if (!running()) return nullptr;
  const int index = indexOf(id);
  if (index < 0) return nullptr;
  ControlState& c = controls_[static_cast<std::size_t>(index)];
  return c.enabled && c.visible ? &c : nullptr;
}

void Dialog::fire(Notify what, int id) {
  if (id == kAnonymous) return;
  const auto found = handlers_.find({what, id});
  if (found == handlers_.end()) return;
  const std::function<void()> handler = found->second;  // the handler may re-register
  handler();
}

void Dialog::command(int id) {
  if (handlers_.contains({Notify::Clicked, id})) {
    fire(Notify::Clicked, id);
  } else if (id == IDOK) {
    OnOK();
  } else if (id == IDCANCEL) {
    OnCancel();
  }
}

// The control losing the focus hears of it before the one gaining it.
void Dialog::moveFocus(int index) {
  if (index == focusIndex_) return;
  const int old = focusIndex_;
  focusIndex_ = index;
  changed(DialogChange::Focus);
  if (old >= 0) fire(Notify::KillFocus, controls_[static_cast<std::size_t>(old)].id);
  if (index >= 0 && focusIndex_ == index && created_) {
    fire(Notify::SetFocus, controls_[static_cast<std::size_t>(index)].id);
  }
}

void Dialog::applyAutoCheck(int index) {
  ControlState& c = controls_[static_cast<std::size_t>(index)];
  if (c.kind == ControlKind::AutoCheckBox) {
    c.check = c.check ? 0 : 1;
    changed(index, ControlChange::Check);
    return;
  }
  if (c.kind != ControlKind::AutoRadioButton) return;
  int first = index;
  while (first > 0 && !(controls_[static_cast<std::size_t>(first)].style & style::Group)) --first;
  int last = index + 1;
  const int count = static_cast<int>(controls_.size());
  while (last < count && !(controls_[static_cast<std::size_t>(last)].style & style::Group)) ++last;
  for (int i = first; i < last; ++i) {
    ControlState& other = controls_[static_cast<std::size_t>(i)];
    if (i != index && other.kind == ControlKind::AutoRadioButton && other.check) {
      other.check = 0;
      changed(i, ControlChange::Check);
    }
  }
  c.check = 1;
  changed(index, ControlChange::Check);
}

bool Dialog::click(int id) {
  ControlState* c = userTarget(id);
  if (!c || !takesFocus(c->kind)) return false;
  const int index = indexOf(id);
  moveFocus(index);
  c = userTarget(id);
  if (!c) return false;  // the focus-loss handler disabled it or ended the dialog
  if (c->kind == ControlKind::Edit || c->kind == ControlKind::DropDownList) return true;
  applyAutoCheck(index);
  command(id);
  return true;
}

bool Dialog::select(int id, int index) {
  ControlState* c = userTarget(id);
  if (!c || c->kind != ControlKind::DropDownList) return false;
  if (index < 0 || index >= static_cast<int>(c->items.size())) return false;
  moveFocus(indexOf(id));
  c = userTarget(id);
  if (!c || index >= static_cast<int>(c->items.size())) return false;
  c->selection = index;
  changed(indexOf(id), ControlChange::Selection);
  fire(Notify::SelChange, id);
  return true;
}

bool Dialog::acceptsChar(int id, char ch) const {
  if (!control(id).numericFilter) return true;
  return std::isdigit(static_cast<unsigned char>(ch)) ||
         (ch != '\0' && std::strchr("eE-+.\b", ch) != nullptr);
}

bool Dialog::typeChar(int id, char ch) {
  ControlState* c = userTarget(id);
  if (!c || c->kind != ControlKind::Edit) return false;
  moveFocus(indexOf(id));
  c = userTarget(id);
  if (!c || c->readOnly || !acceptsChar(id, ch)) return false;
  if (ch == '\b') {
    if (c->text.empty()) return true;
    c->text.pop_back();
  } else {
    c->text.push_back(ch);
  }
  changed(indexOf(id), ControlChange::Text);
  fire(Notify::Change, id);
  return true;
}

bool Dialog::setText(int id, const std::string& text) {
  ControlState* c = userTarget(id);
  if (!c || c->kind != ControlKind::Edit) return false;
  moveFocus(indexOf(id));
  c = userTarget(id);
  if (!c || c->readOnly) return false;
  c->text = text;
  changed(indexOf(id), ControlChange::Text);
  fire(Notify::Change, id);
  return true;
}

bool Dialog::focus(int id) {
  const ControlState* c = userTarget(id);
  if (!c || !takesFocus(c->kind)) return false;
  moveFocus(indexOf(id));
  return true;
}

int Dialog::arrowDelta(int id, bool up) const {
  const ControlState& c = control(id);
  const int towardsUpper = c.upper >= c.lower ? 1 : -1;
  return up ? towardsUpper : -towardsUpper;
}

bool Dialog::upDown(int id, int delta) {
  ControlState* c = userTarget(id);
  if (!c || c->kind != ControlKind::UpDown) return false;
  if (c->buddy > 0) {
    const ControlState& buddy = controls_[static_cast<std::size_t>(c->buddy - 1)];
    if (buddy.enabled && buddy.visible && takesFocus(buddy.kind)) moveFocus(c->buddy - 1);
    c = userTarget(id);
    if (!c) return false;
  }
  const auto handler = deltaPosHandlers_.find(id);
  const bool allowed = handler == deltaPosHandlers_.end() || handler->second(c->position, delta);
  if (!allowed || !created_) return true;
  ControlState& after = state(id);
  const int position = std::clamp(after.position + delta, std::min(after.lower, after.upper),
                                  std::max(after.lower, after.upper));
  if (position != after.position) {
    after.position = position;
    changed(indexOf(id), ControlChange::UpDown);
  }
  return true;
}

int Dialog::defaultButtonId() const {
  for (const ControlState& c : controls_) {
    if (c.kind == ControlKind::DefPushButton) return c.id;
  }
  return IDOK;
}

void Dialog::pressEnter() {
  if (!running()) return;
  int target = defaultButtonId();
  if (focusIndex_ >= 0) {
    const ControlState& focused = controls_[static_cast<std::size_t>(focusIndex_)];
    if (isPushButton(focused.kind)) target = focused.id;
  }
  const int index = indexOf(target);
  if (index >= 0) {
    const ControlState& button = controls_[static_cast<std::size_t>(index)];
    if (!button.enabled || !button.visible) return;
  }
  command(target);
}

void Dialog::pressEscape() {
  if (running()) command(IDCANCEL);
}

void Dialog::closeBox() {
  if (running()) command(IDCANCEL);
}

bool Dialog::editHasFocus() const {
  return focusIndex_ >= 0 && controls_[static_cast<std::size_t>(focusIndex_)].kind == ControlKind::Edit;
}

void Dialog::copy() {
  if (running() && !editHasFocus()) OnEditCopy();
}

void Dialog::paste() {
  if (running() && !editHasFocus()) OnEditPaste();
}

void Dialog::resize(int cx, int cy) {
  if (!created_) return;
  clientPixels_ = {cx, cy};
  OnSize(cx, cy);
}

void Dialog::tick(int timerId) {
  if (running() && timers_.contains(timerId)) OnTimer(timerId);
}

void Dialog::paint(Painter& painter) {
  if (created_) OnPaint(painter);
}

bool Dialog::systemCommand(unsigned id) {
  if (!running()) return false;
  OnSysCommand(id);
  return true;
}

}  // namespace ui
