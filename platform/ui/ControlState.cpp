#include "platform/ui/ControlState.h"

namespace ui {

bool takesFocus(ControlKind kind) {
  switch (kind) {
    case ControlKind::DefPushButton:
    case ControlKind::PushButton:
    case ControlKind::AutoCheckBox:
    case ControlKind::AutoRadioButton:
    case ControlKind::Edit:
    case ControlKind::DropDownList:
      return true;
    case ControlKind::Static:
    case ControlKind::GroupBox:
    case ControlKind::UpDown:
      return false;
  }
  return false;
}

bool isTabStop(const ControlState& control) {
  if (control.style & style::TabStop) return true;
  return takesFocus(control.kind) && !(control.style & style::NoTabStop);
}

bool isPushButton(ControlKind kind) {
  return kind == ControlKind::DefPushButton || kind == ControlKind::PushButton;
}

ColourKind colourKindOf(const ControlState& control) {
  switch (control.kind) {
    case ControlKind::Edit:
      return control.readOnly || !control.enabled ? ColourKind::Static : ColourKind::Edit;
    case ControlKind::DropDownList:
      return control.enabled ? ColourKind::Edit : ColourKind::Static;
    case ControlKind::DefPushButton:
    case ControlKind::PushButton:
    case ControlKind::UpDown:
      return ColourKind::Button;
    case ControlKind::AutoCheckBox:
    case ControlKind::AutoRadioButton:
    case ControlKind::Static:
    case ControlKind::GroupBox:
      return ColourKind::Static;
  }
  return ColourKind::Static;
}

}  // namespace ui
