#include <gtest/gtest.h>

#include "platform/ui/testing/RecordingPainter.h"

namespace ui::testing {
namespace {

TEST(PainterTest, LineToDrawsFromTheCurrentPositionAndMovesIt) {
  RecordingPainter p;
  p.SelectPen({PenStyle::Solid, 1, {100, 175, 175}});
  p.MoveTo(1, 2);
  p.LineTo(5, 6);
  p.LineTo(7, 8);
  const auto lines = p.callsOf(PaintOp::Line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].points, (std::vector<Point>{{1, 2}, {5, 6}}));
  EXPECT_EQ(lines[1].points, (std::vector<Point>{{5, 6}, {7, 8}}));
  EXPECT_EQ(lines[1].state.pen.colour, (Rgb{100, 175, 175}));
  EXPECT_EQ(p.state().position, (Point{7, 8}));
}

TEST(PainterTest, AngleArcDrawsALineToItsStartAndEndsAtItsEnd) {
  RecordingPainter p;
  p.MoveTo(50, 50);
  p.AngleArc(50, 50, 10, 0, 20340);  // 56.5 turns: a full circle, ending at 180 degrees
  ASSERT_EQ(p.calls().size(), 2u);
  EXPECT_EQ(p.calls()[0].op, PaintOp::Line);
  EXPECT_EQ(p.calls()[0].points, (std::vector<Point>{{50, 50}, {60, 50}}));
  EXPECT_EQ(p.calls()[1].op, PaintOp::Arc);
  EXPECT_EQ(p.calls()[1].points, (std::vector<Point>{{40, 40}, {61, 61}}))
      << "right and bottom edges taken in";
  EXPECT_DOUBLE_EQ(p.calls()[1].sweepDegrees, 360.0);
  EXPECT_EQ(p.state().position, (Point{40, 50}));
}

TEST(PainterTest, ArcRadialsGiveCounterClockwiseAngles) {
  RecordingPainter p;
  p.Arc(0, 0, 20, 20, 20, 10, 10, 0);  // from three o'clock to twelve
  EXPECT_DOUBLE_EQ(p.calls()[0].startDegrees, 0.0);
  EXPECT_DOUBLE_EQ(p.calls()[0].sweepDegrees, 90.0);
  p.Arc(0, 0, 20, 20, 20, 10, 20, 10);  // equal radials: the whole ellipse
  EXPECT_DOUBLE_EQ(p.calls()[1].sweepDegrees, 360.0);
}

TEST(PainterTest, TextAndRegionsCarryTheStateInEffect) {
  RecordingPainter p;
  p.SelectBrush({{0, 0, 140}});
  p.PaintRgn(0, 0, 10, 5);
  p.SetTextColor({255, 255, 255});
  p.SetBkColor({0, 0, 140});
  p.SetBkMode(BackMode::Transparent);
  p.TextOut(3, 4, "Value x 1.e2");
  const PaintCall& fill = p.calls()[0];
  EXPECT_EQ(fill.op, PaintOp::Polygon);
  EXPECT_EQ(fill.points.size(), 4u);
  EXPECT_EQ(fill.state.brush.colour, (Rgb{0, 0, 140}));
  const PaintCall& text = p.calls()[1];
  EXPECT_EQ(text.text, "Value x 1.e2");
  EXPECT_EQ(text.points[0], (Point{3, 4}));
  EXPECT_EQ(text.state.textColour, (Rgb{255, 255, 255}));
  EXPECT_EQ(text.state.backMode, BackMode::Transparent);
}

}  // namespace
}  // namespace ui::testing
