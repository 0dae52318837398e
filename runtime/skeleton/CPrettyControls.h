// Controls with their own colours: the number-entry edit and the coloured static. A dialog
// attaches them to its controls with SubclassDlgItem in its constructor.
#pragma once

#include <string>

#include "platform/ui/ControlObject.h"
#include "platform/ui/Geometry.h"
#include "runtime/skeleton/PrettyColours.h"

class CPrettyEdit : public ui::ControlObject {
 public:
  // 1: only the characters of a number can be typed, in the "Courier" face. Call before the
  // control is attached.
  void SetNumeric(int numeric);
  void SetFaceName(const std::string& face);

  ui::Rgb backColour = skeleton::kEditBack;
  ui::Rgb textColour = skeleton::kEditText;
  int numeric = 0;
  std::string faceName;  // empty until a face is set

 protected:
  void onAttached() override;
};

class CPrettyStatic : public ui::ControlObject {
 public:
  void SetColours(ui::Rgb text, ui::Rgb back);

  ui::Rgb textColour = skeleton::kDialogText;
  ui::Rgb backColour = skeleton::kDialogBack;

 protected:
  void onAttached() override;
};
