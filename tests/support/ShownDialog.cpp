#include "tests/support/ShownDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "platform/ui/qt/QtFonts.h"
#include "tests/support/Pictures.h"

namespace testsupport {

ShownDialog::ShownDialog(ui::Dialog& dialog) : model_(dialog) {
  const ui::DialogTemplate& t = dialog.dialogTemplate();
  dialog.setBaseUnits(ui::qt::baseUnitsOf(ui::qt::dialogFont(t.fontFace, t.pointSize)));
  dialog.create();
  window = std::make_unique<ui::qt::DialogWindow>(dialog);
  dialog.showDialog(true);
  window->show();
  QApplication::processEvents();
}

ShownDialog::~ShownDialog() {
  model_.pressEscape();
  model_.destroy();
  window.reset();
}

QRect ShownDialog::pixels(const ui::Rect& dialogUnits) const {
  const ui::Rect r = ui::dialogToPixels(dialogUnits, model_.baseUnits());
  return {r.x, r.y, r.cx, r.cy};
}

void ShownDialog::expectPlacedAt(int id, const ui::Rect& dialogUnits) const {
  const QRect place = window->widgetOf(id)->geometry();
  const QRect expected = pixels(dialogUnits);
  EXPECT_EQ(place.topLeft(), expected.topLeft()) << "control " << id;
  EXPECT_EQ(place.width(), expected.width()) << "control " << id;
  if (model_.control(id).kind != ui::ControlKind::DropDownList) {
    EXPECT_EQ(place.height(), expected.height()) << "control " << id;
  }
}

void ShownDialog::save(const std::string& name) const {
  EXPECT_TRUE(image().save(QString::fromStdString(picturePath(name))));
}

int countColour(const QImage& image, const QRect& area, QColor colour) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
              std::abs(pixel.blue() - colour.blue()) <
          90) {
        ++count;
      }
    }
  }
  return count;
}

}  // namespace testsupport
