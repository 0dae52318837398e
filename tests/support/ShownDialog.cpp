#include "tests/support/ShownDialog.h"

#include <QApplication>

#include "platform/ui/qt/QtFonts.h"

namespace testsupport {

std::unique_ptr<ui::qt::DialogWindow> showInWindow(ui::Dialog& dialog) {
  const ui::DialogTemplate& t = dialog.dialogTemplate();
  dialog.setBaseUnits(ui::qt::baseUnitsOf(ui::qt::dialogFont(t.fontFace, t.pointSize)));
  dialog.create();
  auto window = std::make_unique<ui::qt::DialogWindow>(dialog);
  dialog.showDialog(true);
  window->show();
  QApplication::processEvents();
  return window;
}

}  // namespace testsupport
