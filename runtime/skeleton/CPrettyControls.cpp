#include "runtime/skeleton/CPrettyControls.h"

#include "platform/ui/Dialog.h"

void CPrettyEdit::SetNumeric(int value) {
  numeric = value;
  if (attached()) dialog()->SetNumericFilter(controlId(), numeric == 1);
}

void CPrettyEdit::SetFaceName(const std::string& face) {
  faceName = face;
  if (attached()) dialog()->SetControlFont(controlId(), face);
}

void CPrettyEdit::onAttached() {
  dialog()->SetControlColours(controlId(), ui::Colours{textColour, backColour});
  dialog()->SetNumericFilter(controlId(), numeric == 1);
  if (numeric == 1) {
    SetFaceName("Courier");
  } else if (!faceName.empty()) {
    SetFaceName(faceName);
  }
}

void CPrettyStatic::SetColours(ui::Rgb text, ui::Rgb back) {
  textColour = text;
  backColour = back;
  if (attached()) dialog()->SetControlColours(controlId(), ui::Colours{textColour, backColour});
}

void CPrettyStatic::onAttached() {
  dialog()->SetControlColours(controlId(), ui::Colours{textColour, backColour});
}
