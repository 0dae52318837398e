#include "platform/ui/Dialog.h"

#include <algorithm>
#include <stdexcept>

#include "platform/ui/Services.h"

namespace ui {

Dialog::Dialog(const DialogTemplate& dialogTemplate, Dialog* parent)
    : template_(dialogTemplate),
      parent_(parent),
      caption_(dialogTemplate.caption),
      size_(dialogTemplate.size) {
  clientPixels_ = dialogToPixels(size_, baseUnits_);
}

// Control objects are members of the derived dialog and are gone by now: not touched here.
Dialog::~Dialog() = default;

int Dialog::DoModal() { return services().runModal(*this); }

void Dialog::EndDialog(int result) {
  result_ = result;
  ended_ = true;
  changed(DialogChange::Ended);
}

void Dialog::create() {
  controls_.clear();
  systemMenu_.clear();
  for (const ControlTemplate& t : template_.controls) {
    ControlState c;
    c.id = t.id;
    c.kind = t.kind;
    c.style = t.style;
    c.text = t.text;
    c.items = t.items;
    c.rect = t.rect;
    c.enabled = !(t.style & style::Disabled);
    c.visible = !(t.style & style::Hidden);
    c.readOnly = (t.style & style::ReadOnly) != 0;
    if (t.kind == ControlKind::UpDown && (t.style & style::AutoBuddy) && !controls_.empty()) {
      c.buddy = static_cast<int>(controls_.size());
    }
    controls_.push_back(std::move(c));
  }
  created_ = true;
  ended_ = false;
  result_ = -1;
  focusIndex_ = -1;
  for (auto& [id, object] : controlObjects_) {
    object->dialog_ = this;
    object->onAttached();
  }
  if (OnInitDialog() && !ended_) {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
      const ControlState& c = controls_[i];
      if (c.enabled && c.visible && isTabStop(c)) {
        moveFocus(static_cast<int>(i));
        break;
      }
    }
  }
}

void Dialog::showDialog(bool show) {
  if (!created_ || visible_ == show) return;
  visible_ = show;
  OnShowWindow(show);
}

void Dialog::destroy() {
  if (!created_) return;
  moveFocus(-1);
  visible_ = false;
  OnDestroy();
  for (auto& entry : controlObjects_) entry.second->dialog_ = nullptr;
  for (const auto& [id, interval] : timers_) {
    if (observer_) observer_->timerChanged(id, kTimerKilled);
  }
  timers_.clear();
  controls_.clear();
  created_ = false;
}

const ControlState& Dialog::control(int id) const {
  const int index = indexOf(id);
  if (index < 0)
    throw std::out_of_range("dialog " + std::to_string(template_.id) + " has no control " +
                            std::to_string(id));
  return controls_[static_cast<std::size_t>(index)];
}

ControlState& Dialog::state(int id) { return const_cast<ControlState&>(control(id)); }

int Dialog::indexOf(int id) const {
  if (id == kAnonymous) return -1;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i].id == id) return static_cast<int>(i);
  }
  return -1;
}

Rect Dialog::controlRectPixels(int id) const { return dialogToPixels(control(id).rect, baseUnits_); }

void Dialog::setBaseUnits(BaseUnits base) {
  baseUnits_ = base;
  recomputeClientSize();
}

void Dialog::recomputeClientSize() {
  clientPixels_ = dialogToPixels(size_, baseUnits_);
  if (sizeIncludesFrame_) {
    clientPixels_.cx = std::max(0, clientPixels_.cx - kFrameExtra.cx);
    clientPixels_.cy = std::max(0, clientPixels_.cy - kFrameExtra.cy);
  }
}

std::optional<Colours> Dialog::effectiveColours(int index) {
  const ControlState& c = controls_.at(static_cast<std::size_t>(index));
  return OnCtlColor(&c, colourKindOf(c));
}

std::optional<Colours> Dialog::dialogColours() { return OnCtlColor(nullptr, ColourKind::Dialog); }

void Dialog::changed(int index, ControlChange what) {
  if (observer_) observer_->controlChanged(index, what);
}

void Dialog::changed(DialogChange what) {
  if (observer_) observer_->dialogChanged(what);
}

void Dialog::SetWindowText(const std::string& caption) {
  caption_ = caption;
  changed(DialogChange::Caption);
}

HICON Dialog::SetIcon(HICON icon, bool bigIcon) {
  HICON& slot = bigIcon ? bigIcon_ : smallIcon_;
  HICON previous = slot;
  slot = icon;
  changed(DialogChange::Icon);
  return previous;
}

std::string Dialog::GetDlgItemText(int id) const {
  const ControlState& c = control(id);
  if (c.kind == ControlKind::DropDownList) {
    return c.selection >= 0 ? c.items[static_cast<std::size_t>(c.selection)] : std::string();
  }
  return c.text;
}

void Dialog::SetDlgItemText(int id, const std::string& text) {
  ControlState& c = state(id);
  if (c.kind == ControlKind::DropDownList) {
    const auto found = std::find(c.items.begin(), c.items.end(), text);
    SetCurSel(id, found == c.items.end() ? -1 : static_cast<int>(found - c.items.begin()));
    return;
  }
  c.text = text;
  changed(indexOf(id), ControlChange::Text);
  if (c.kind == ControlKind::Edit) fire(Notify::Change, id);
}

int Dialog::IsDlgButtonChecked(int id) const { return control(id).check; }

void Dialog::CheckDlgButton(int id, int check) {
  state(id).check = check;
  changed(indexOf(id), ControlChange::Check);
}

int Dialog::AddString(int id, const std::string& item) {
  ControlState& c = state(id);
  c.items.push_back(item);
  changed(indexOf(id), ControlChange::Items);
  return static_cast<int>(c.items.size()) - 1;
}

int Dialog::DeleteString(int id, int index) {
  ControlState& c = state(id);
  if (index < 0 || index >= static_cast<int>(c.items.size())) return -1;
  c.items.erase(c.items.begin() + index);
  if (c.selection == index) {
    c.selection = -1;
  } else if (c.selection > index) {
    --c.selection;
  }
  changed(indexOf(id), ControlChange::Items);
  return static_cast<int>(c.items.size());
}

void Dialog::ResetContent(int id) {
  ControlState& c = state(id);
  c.items.clear();
  c.selection = -1;
  changed(indexOf(id), ControlChange::Items);
}

int Dialog::GetCount(int id) const { return static_cast<int>(control(id).items.size()); }

std::string Dialog::GetLBText(int id, int index) const {
  const ControlState& c = control(id);
  if (index < 0 || index >= static_cast<int>(c.items.size())) return {};
  return c.items[static_cast<std::size_t>(index)];
}

int Dialog::SetCurSel(int id, int index) {
  ControlState& c = state(id);
  const bool inRange = index >= 0 && index < static_cast<int>(c.items.size());
  c.selection = inRange ? index : -1;
  changed(indexOf(id), ControlChange::Selection);
  return c.selection;
}

int Dialog::GetCurSel(int id) const { return control(id).selection; }

void Dialog::SetRange(int id, int lower, int upper) {
  ControlState& c = state(id);
  c.lower = lower;
  c.upper = upper;
  changed(indexOf(id), ControlChange::UpDown);
}

void Dialog::SetPos(int id, int position) {
  ControlState& c = state(id);
  c.position = std::clamp(position, std::min(c.lower, c.upper), std::max(c.lower, c.upper));
  changed(indexOf(id), ControlChange::UpDown);
}

int Dialog::GetPos(int id) const { return control(id).position; }

void Dialog::EnableWindow(int id, bool enable) {
  setUsable(id, &ControlState::enabled, enable, ControlChange::Enabled);
}

void Dialog::ShowWindow(int id, bool show) {
  setUsable(id, &ControlState::visible, show, ControlChange::Visible);
}

// Disabling or hiding the focused control takes the focus from it.
void Dialog::setUsable(int id, bool ControlState::*flag, bool on, ControlChange what) {
  ControlState& c = state(id);
  if (c.*flag == on) return;
  c.*flag = on;
  const int index = indexOf(id);
  changed(index, what);
  if (!on && focusIndex_ == index) moveFocus(-1);
}

bool Dialog::IsWindowEnabled(int id) const { return control(id).enabled; }
bool Dialog::IsWindowVisible(int id) const { return control(id).visible; }

void Dialog::SetReadOnly(int id, bool readOnly) {
  state(id).readOnly = readOnly;
  changed(indexOf(id), ControlChange::ReadOnly);
}

void Dialog::SetControlRect(int id, const Rect& dialogUnits) {
  state(id).rect = dialogUnits;
  changed(indexOf(id), ControlChange::Geometry);
}

void Dialog::SetDialogSize(int cx, int cy) {
  size_ = {cx, cy};
  sizeIncludesFrame_ = true;
  recomputeClientSize();
  changed(DialogChange::Size);
}

int Dialog::GetFocus() const {
  return focusIndex_ >= 0 ? controls_[static_cast<std::size_t>(focusIndex_)].id : kNoFocus;
}

void Dialog::SetFocus(int id) { moveFocus(id == kNoFocus ? -1 : indexOf(id)); }

void Dialog::SetControlFont(int id, const std::string& face) {
  state(id).fontFace = face;
  changed(indexOf(id), ControlChange::Font);
}

void Dialog::SetControlColours(int id, std::optional<Colours> colours) {
  state(id).ownColours = colours;
  changed(indexOf(id), ControlChange::Colours);
}

void Dialog::SetNumericFilter(int id, bool numeric) { state(id).numericFilter = numeric; }

bool Dialog::UpdateData(bool save) {
  DataExchange exchange(*this, save);
  try {
    DoDataExchange(exchange);
  } catch (const DataExchangeFailure& failure) {
    SetFocus(failure.id);
    return false;
  }
  return true;
}

void Dialog::SetTimer(int timerId, int intervalMs) {
  const int interval = std::max(0, intervalMs);
  timers_[timerId] = interval;
  if (observer_) observer_->timerChanged(timerId, interval);
}

void Dialog::KillTimer(int timerId) {
  if (timers_.erase(timerId) && observer_) observer_->timerChanged(timerId, kTimerKilled);
}

void Dialog::Invalidate() { changed(DialogChange::Invalidate); }

int Dialog::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  return services().messageBox(text, caption, flags);
}

void Dialog::AppendSystemMenu(unsigned id, const std::string& text) { systemMenu_.push_back({id, text}); }

void Dialog::on(Notify what, int id, std::function<void()> handler) {
  handlers_[{what, id}] = std::move(handler);
}

void Dialog::onDeltaPos(int id, std::function<bool(int, int)> handler) {
  deltaPosHandlers_[id] = std::move(handler);
}

void Dialog::SubclassDlgItem(int id, ControlObject& object) {
  object.id_ = id;
  controlObjects_.emplace_back(id, &object);
  if (created_) {
    object.dialog_ = this;
    object.onAttached();
  }
}

bool Dialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void Dialog::OnShowWindow(bool) {}

void Dialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }
void Dialog::OnPaint(Painter&) {}
void Dialog::OnSize(int, int) {}
void Dialog::OnTimer(int) {}
void Dialog::OnEditCopy() {}
void Dialog::OnEditPaste() {}
void Dialog::OnDestroy() {}
void Dialog::OnSysCommand(unsigned) {}
void Dialog::DoDataExchange(DataExchange&) {}

std::optional<Colours> Dialog::OnCtlColor(const ControlState* control, ColourKind) {
  if (control) return control->ownColours;
  return std::nullopt;
}

}  // namespace ui
