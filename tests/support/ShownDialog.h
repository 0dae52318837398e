// A dialog model shown by the real binder, offscreen, for render tests: its widgets by control
// id, where they are against where the template puts them, and a picture of the window.
#pragma once

#include <QRect>
#include <QWidget>
#include <memory>
#include <string>

#include "platform/ui/Dialog.h"
#include "platform/ui/qt/DialogWindow.h"

namespace testsupport {

class ShownDialog {
 public:
  // Creates the model with the base units of its font, shows it in a window and lets Qt draw.
  explicit ShownDialog(ui::Dialog& dialog);
  ~ShownDialog();  // Escape, then the model is destroyed before its window
  ShownDialog(const ShownDialog&) = delete;
  ShownDialog& operator=(const ShownDialog&) = delete;

  ui::qt::DialogWindow& window() { return *window_; }
  template <class W>
  W* widget(int id) const {
    return qobject_cast<W*>(window_->widgetOf(id));
  }
  bool shown(int id) const { return window_->widgetOf(id)->isVisible(); }
  // The control's place in pixels as the model has it now.
  QRect expectedPlace(int id) const;
  // The widget stands where the model puts it; a drop-down list's height in the template
  // includes its dropped list, so only its top-left corner and width are compared.
  void expectPlaced(int id) const;
  // Saves a picture of the window in the pictures folder.
  void save(const std::string& name) const;

 private:
  ui::Dialog& dialog_;
  std::unique_ptr<ui::qt::DialogWindow> window_;
};

}  // namespace testsupport
