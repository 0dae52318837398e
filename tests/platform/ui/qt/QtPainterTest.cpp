// The Painter on a QPainter draws lines the way LineTo does: up to, not including, the end point.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "platform/ui/qt/QtPainter.h"

namespace {

TEST(QtPainterTest, LinesLeaveTheirEndPointOut) {
  QImage image(20, 20, QImage::Format_RGB32);
  image.fill(Qt::black);
  {
    QPainter qpainter(&image);
    ui::qt::QtPainter painter(qpainter);
    painter.SelectPen({ui::PenStyle::Solid, 1, {255, 0, 0}});
    painter.MoveTo(3, 2);
    painter.LineTo(9, 2);   // across
    painter.LineTo(9, 12);  // down from there
    painter.MoveTo(14, 14);
    painter.LineTo(14, 14);  // no length
  }
  const QColor red(255, 0, 0);
  const QColor black(0, 0, 0);
  EXPECT_EQ(image.pixelColor(3, 2), red);
  EXPECT_EQ(image.pixelColor(8, 2), red);
  EXPECT_EQ(image.pixelColor(9, 2), red) << "the start of the second line";
  EXPECT_EQ(image.pixelColor(9, 11), red);
  EXPECT_EQ(image.pixelColor(9, 12), black);
  EXPECT_EQ(image.pixelColor(14, 14), black);
}

}  // namespace
