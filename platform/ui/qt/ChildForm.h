// A dialog model shown as a child form: its controls live inside a parent widget, with no
// caption, frame or window of their own (a form view in its frame). The widgets, the mirroring
// of model changes, the routing of user input and the window timers are the dialog window's.
#pragma once

#include <memory>

class QWidget;

namespace ui {
class Dialog;
}

namespace ui::qt {

// How the form turns dialog units into pixels.
enum class FormUnits {
  // Those of the dialog font, as a dialog window does.
  OfStandInFont,
  // Those of 8-point "MS Sans Serif" at 96 dots per inch (BaseUnits{}): for a form among windows
  // at fixed pixel places, which must keep the pixel places the template was drawn for. The
  // template font has them; a wider stand-in (when the template font is missing) is narrowed to
  // fit them.
  OfTemplatePixels,
};

// Creates the model (OnInitDialog), builds its form as a child of `parent` at (0, 0) with the
// template's size in pixels, shows it (OnShowWindow) and returns the form. The parent may give
// the form any place and size afterwards. The form owns the model: when the form is deleted,
// at the latest with its parent, the model is destroyed (OnDestroy) and deleted.
QWidget* embedChildForm(std::unique_ptr<Dialog> model, QWidget* parent,
                        FormUnits units = FormUnits::OfStandInFont);

}  // namespace ui::qt
