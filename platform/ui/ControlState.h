// Everything the window shows of one control; the dialog model keeps one per template control.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Geometry.h"

namespace ui {

struct ControlState {
  int id = kAnonymous;
  ControlKind kind = ControlKind::Static;
  unsigned style = 0;
  std::string text;                // window text (edit, static, buttons)
  std::vector<std::string> items;  // drop-down list
  int selection = -1;              // drop-down list; -1: no selection
  int check = 0;                   // check box, radio button: 0 or 1
  int lower = 100;                 // up-down range; the platform's default runs 100 .. 0
  int upper = 0;
  int position = 0;
  int buddy = 0;  // up-down: index + 1 of the buddy control, 0 for none
  bool enabled = true;
  bool visible = true;
  bool readOnly = false;
  bool numericFilter = false;         // only the characters of a number can be typed
  Rect rect;                          // dialog units
  std::optional<Colours> ownColours;  // colours the control chooses itself (reflected)
  std::string fontFace;               // empty: the dialog's font
};

// Kind of the WM_CTLCOLOR message a control sends to its dialog.
enum class ColourKind {
  MessageBox = 0,
  Edit = 1,
  ListBox = 2,
  Button = 3,
  Dialog = 4,
  ScrollBar = 5,
  Static = 6
};

bool takesFocus(ControlKind kind);
bool isTabStop(const ControlState& control);
bool isPushButton(ControlKind kind);
// Statics, group boxes, check boxes, radio buttons and read-only or disabled edits colour as
// statics; editable edits and the field of a drop-down list as edits; push buttons as buttons.
ColourKind colourKindOf(const ControlState& control);

}  // namespace ui
