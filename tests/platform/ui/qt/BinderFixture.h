// The sample dialog shown by the binder in an active window, offscreen, with pixel helpers.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "SampleDialog.h"
#include "platform/ui/qt/DialogWindow.h"
#include "platform/ui/qt/QtFonts.h"
#include "platform/ui/testing/ScriptedServices.h"

namespace binder_test {

using Events = std::vector<std::string>;

inline bool near(QColor a, QColor b, int tolerance) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

// Pixels of the image inside the rectangle whose colour is near the given one.
inline int countNear(const QImage& image, const QRect& area, QColor colour, int tolerance) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (near(image.pixelColor(x, y), colour, tolerance)) ++count;
    }
  }
  return count;
}

class Binder : public ::testing::Test {
 protected:
  void SetUp() override {
    const ui::DialogTemplate& t = dialog.dialogTemplate();
    dialog.setBaseUnits(ui::qt::baseUnitsOf(ui::qt::dialogFont(t.fontFace, t.pointSize)));
    dialog.create();
    window = std::make_unique<ui::qt::DialogWindow>(dialog);
    dialog.showDialog(true);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    dialog.events.clear();
  }
  void TearDown() override {
    dialog.destroy();
    window.reset();
  }
  template <class W>
  W* widget(int id) {
    return qobject_cast<W*>(window->widgetOf(id));
  }
  QImage grab() { return window->grab().toImage(); }
  QRect pixels(int id) {
    const ui::Rect r = dialog.controlRectPixels(id);
    return QRect(r.x, r.y, r.cx, r.cy);
  }

  ui::testing::ScriptedServices services_;
  ui::ScopedServices installed_{services_};
  sample::SampleDialog dialog;
  std::unique_ptr<ui::qt::DialogWindow> window;
};

}  // namespace binder_test
