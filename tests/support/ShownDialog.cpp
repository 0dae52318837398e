#include "tests/support/ShownDialog.h"

#include <QApplication>

#include "platform/ui/qt/QtFonts.h"

namespace testsupport {

ShownDialog::ShownDialog(ui::Dialog& dialog) : dialog_(dialog) {
  const ui::DialogTemplate& t = dialog.dialogTemplate();
  dialog.setBaseUnits(ui::qt::baseUnitsOf(ui::qt::dialogFont(t.fontFace, t.pointSize)));
  dialog.create();
  window_ = std::make_unique<ui::qt::DialogWindow>(dialog);
  dialog.showDialog(true);
  window_->show();
  QApplication::processEvents();
}

ShownDialog::~ShownDialog() {
  dialog_.pressEscape();
  dialog_.destroy();
  window_.reset();
}

}  // namespace testsupport
