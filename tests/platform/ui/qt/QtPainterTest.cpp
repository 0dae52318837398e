// The Painter on a QPainter draws lines the way LineTo does (up to, not including, the end point)
// and circles through the points their radius gives.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>
#include <utility>

#include "platform/ui/qt/QtPainter.h"

namespace {

// What `draw` draws in a red pen on a black square of `side` pixels.
QImage drawnInRed(int side, const std::function<void(ui::Painter&)>& draw) {
  QImage image(side, side, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter qpainter(&image);
  ui::qt::QtPainter painter(qpainter);
  painter.SelectPen({ui::PenStyle::Solid, 1, {255, 0, 0}});
  draw(painter);
  return image;
}

TEST(QtPainterTest, LinesLeaveTheirEndPointOut) {
  const QImage image = drawnInRed(20, [](ui::Painter& painter) {
    painter.MoveTo(3, 2);
    painter.LineTo(9, 2);   // across
    painter.LineTo(9, 12);  // down from there
    painter.MoveTo(14, 14);
    painter.LineTo(14, 14);  // no length
  });
  const QColor red(255, 0, 0);
  const QColor black(0, 0, 0);
  EXPECT_EQ(image.pixelColor(3, 2), red);
  EXPECT_EQ(image.pixelColor(8, 2), red);
  EXPECT_EQ(image.pixelColor(9, 2), red) << "the start of the second line";
  EXPECT_EQ(image.pixelColor(9, 11), red);
  EXPECT_EQ(image.pixelColor(9, 12), black);
  EXPECT_EQ(image.pixelColor(14, 14), black);
}

// A circle of radius 10 about (20, 20) passes through (10, 20), (30, 20), (20, 10) and (20, 30),
// and no further out: it spans 21 pixels each way, centred on its point.
TEST(QtPainterTest, AngleArcCirclePassesThroughItsFourRadialPoints) {
  const QImage image = drawnInRed(41, [](ui::Painter& painter) {
    painter.MoveTo(30, 20);
    painter.AngleArc(20, 20, 10, 0.0, 360.0);
  });
  for (const auto& [dx, dy] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}}) {
    EXPECT_EQ(image.pixelColor(20 + 10 * dx, 20 + 10 * dy), QColor(255, 0, 0)) << dx << "," << dy;
    EXPECT_EQ(image.pixelColor(20 + 11 * dx, 20 + 11 * dy), QColor(0, 0, 0)) << dx << "," << dy;
  }
}

}  // namespace
