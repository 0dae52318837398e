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

// Creates the model (OnInitDialog), builds its form as a child of `parent` at (0, 0) with the
// template's size in pixels, shows it (OnShowWindow) and returns the form. The parent may give
// the form any place and size afterwards. The form owns the model: when the form is deleted,
// at the latest with its parent, the model is destroyed (OnDestroy) and deleted.
QWidget* embedChildForm(std::unique_ptr<Dialog> model, QWidget* parent);

}  // namespace ui::qt
