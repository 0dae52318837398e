// Dialog templates as data: a tool writes its dialog resource once, as a table of controls.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/Geometry.h"

namespace ui {

enum class ControlKind {
  DefPushButton,  // the default push button (Enter presses it)
  PushButton,
  AutoCheckBox,     // a click toggles the check
  AutoRadioButton,  // a click checks it and unchecks the other automatic radios of its group
  Static,           // text; alignment by style::Center / style::Right (left by default)
  GroupBox,
  Edit,          // single line; style::ReadOnly, style::AutoHScroll, style::Border
  DropDownList,  // combo box whose field shows the selected item only
  UpDown,        // style::Horizontal, style::ArrowKeys, style::AutoBuddy
};

// Style bits of controls and dialogs.
namespace style {
// Controls.
inline constexpr unsigned Group = 1u << 0;      // starts a group (radio groups)
inline constexpr unsigned TabStop = 1u << 1;    // force a tab stop on a kind that has none
inline constexpr unsigned NoTabStop = 1u << 2;  // remove the tab stop a kind has by default
inline constexpr unsigned Disabled = 1u << 3;
inline constexpr unsigned Hidden = 1u << 4;
inline constexpr unsigned ReadOnly = 1u << 5;
inline constexpr unsigned AutoHScroll = 1u << 6;
inline constexpr unsigned Border = 1u << 7;
inline constexpr unsigned Center = 1u << 8;
inline constexpr unsigned Right = 1u << 9;
inline constexpr unsigned Flat = 1u << 10;
inline constexpr unsigned Horizontal = 1u << 11;  // up-down: left/right arrows
inline constexpr unsigned ArrowKeys = 1u << 12;   // up-down: arrow keys step it
inline constexpr unsigned AutoBuddy = 1u << 13;   // up-down: the previous control is its buddy
inline constexpr unsigned AlignRight = 1u << 14;  // up-down: sits at the right of its buddy
// Static: shows the icon whose resource id is its text, in the icon's own size.
inline constexpr unsigned Icon = 1u << 15;
// Dialogs.
inline constexpr unsigned Caption = 1u << 16;
inline constexpr unsigned SystemMenu = 1u << 17;  // system menu and close box
inline constexpr unsigned ModalFrame = 1u << 18;
inline constexpr unsigned Resizable = 1u << 19;  // sizing border
inline constexpr unsigned AppWindow = 1u << 20;  // shown in the task bar
inline constexpr unsigned SetForeground = 1u << 21;
}  // namespace style

// Id of template controls that nobody addresses (several may share it).
inline constexpr int kAnonymous = -1;

struct ControlTemplate {
  int id = kAnonymous;
  ControlKind kind = ControlKind::Static;
  std::string text;
  Rect rect;  // dialog units
  unsigned style = 0;
  std::vector<std::string> items = {};  // initial items of a drop-down list
};

struct DialogTemplate {
  int id = 0;
  std::string caption;
  Size size;  // dialog units
  unsigned style = style::Caption | style::SystemMenu | style::ModalFrame;
  std::vector<ControlTemplate> controls;
  std::string fontFace = "MS Sans Serif";
  int pointSize = 8;
};

}  // namespace ui
