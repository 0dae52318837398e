// A dialog model shown in a real window by the binder, for the Qt tests of a tool (offscreen):
// its widgets, their places and colours, and pictures of it.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <memory>
#include <string>

#include "platform/ui/Dialog.h"
#include "platform/ui/qt/DialogWindow.h"

namespace testsupport {

class ShownDialog {
 public:
  // Lays the dialog out in the binder's dialog font, creates and shows it in a window.
  explicit ShownDialog(ui::Dialog& dialog);
  // Escape (when still running), then the dialog and its window are destroyed.
  ~ShownDialog();
  ShownDialog(const ShownDialog&) = delete;
  ShownDialog& operator=(const ShownDialog&) = delete;

  template <class W>
  W* widget(int id) const {
    return qobject_cast<W*>(window->widgetOf(id));
  }
  bool shown(int id) const { return window->widgetOf(id)->isVisible(); }
  // Pixels of a rectangle in dialog units, in the window's dialog font.
  QRect pixels(const ui::Rect& dialogUnits) const;
  // Where the model puts the control now.
  QRect expectedPlace(int id) const { return pixels(model_.control(id).rect); }
  // The widget is at the place given in dialog units; a drop-down list's rectangle includes its
  // dropped list, so only its top-left corner and width are compared.
  void expectPlacedAt(int id, const ui::Rect& dialogUnits) const;
  void expectPlaced(int id) const { expectPlacedAt(id, model_.control(id).rect); }
  QImage image() const { return window->grab().toImage(); }
  // Saves a picture of the window in the pictures folder.
  void save(const std::string& name) const;

  std::unique_ptr<ui::qt::DialogWindow> window;

 private:
  ui::Dialog& model_;
};

// Pixels of the area within a tolerance of the colour (anti-aliased text has few exact ones).
int countColour(const QImage& image, const QRect& area, QColor colour);

}  // namespace testsupport
