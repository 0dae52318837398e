// A dialog model shown by the Qt binder in a real window for as long as the object lives: base
// units from the dialog's font, created, shown; at the end cancelled and destroyed.
#pragma once

#include <memory>

#include "platform/ui/Dialog.h"
#include "platform/ui/qt/DialogWindow.h"

namespace testsupport {

class ShownDialog {
 public:
  explicit ShownDialog(ui::Dialog& dialog);
  ~ShownDialog();
  ShownDialog(const ShownDialog&) = delete;
  ShownDialog& operator=(const ShownDialog&) = delete;

  ui::qt::DialogWindow& window() const { return *window_; }
  template <class W>
  W* widget(int id) const {
    return qobject_cast<W*>(window_->widgetOf(id));
  }

 private:
  ui::Dialog& dialog_;
  std::unique_ptr<ui::qt::DialogWindow> window_;
};

}  // namespace testsupport
