#include "tests/support/ShownDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include "platform/ui/qt/QtFonts.h"
#include "tests/support/Pictures.h"

namespace testsupport {

ShownDialog::ShownDialog(ui::Dialog& dialog) : dialog_(dialog) {
  const ui::DialogTemplate& t = dialog_.dialogTemplate();
  dialog_.setBaseUnits(ui::qt::baseUnitsOf(ui::qt::dialogFont(t.fontFace, t.pointSize)));
  dialog_.create();
  window_ = std::make_unique<ui::qt::DialogWindow>(dialog_);
  dialog_.showDialog(true);
  window_->show();
  QApplication::processEvents();
}

ShownDialog::~ShownDialog() {
  dialog_.pressEscape();
  dialog_.destroy();
  window_.reset();
}

QRect ShownDialog::expectedPlace(int id) const {
  const ui::Rect r = dialog_.controlRectPixels(id);
  return {r.x, r.y, r.cx, r.cy};
}

void ShownDialog::expectPlaced(int id) const {
  const QRect place = window_->widgetOf(id)->geometry();
  const QRect expected = expectedPlace(id);
  EXPECT_EQ(place.topLeft(), expected.topLeft()) << "control " << id;
  EXPECT_EQ(place.width(), expected.width()) << "control " << id;
  if (dialog_.control(id).kind != ui::ControlKind::DropDownList) {
    EXPECT_EQ(place.height(), expected.height()) << "control " << id;
  }
}

void ShownDialog::save(const std::string& name) const {
  EXPECT_TRUE(window_->grab().toImage().save(QString::fromStdString(picturePath(name))));
}

}  // namespace testsupport
