// The sample dialog shown by the binder in an active window, offscreen, with pixel helpers.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <cstdlib>
#include <string>
#include <vector>

#include "SampleDialog.h"
#include "platform/ui/qt/DialogWindow.h"
#include "platform/ui/testing/ScriptedServices.h"
#include "tests/support/ShownDialog.h"

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
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    dialog.events.clear();
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
  testsupport::ShownDialog shown_{dialog};
  ui::qt::DialogWindow* window = shown_.window.get();
};

}  // namespace binder_test
