// The graph box drawn on the recording painter: grid lines, label texts and their places for the
// examples worked out by hand (graph area 545 x 345 pixels at (5, 141)), log rounding, the
// drawing order of the passes and the log-of-zero sequence.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "curvedit/GraphBox.h"
#include "platform/ui/testing/RecordingPainter.h"

namespace curvedit::test {
namespace {

using ui::Point;
using ui::testing::PaintCall;
using ui::testing::PaintOp;
using ui::testing::RecordingPainter;

// Records what the graph box asks; switches an axis to linear on a warning, as the dialog does.
class FakeDialog : public GraphEvents {
 public:
  void logOfZero(AxisName axis) override {
    events.push_back(axis == AxisName::X ? "zero X" : "zero Y");
    if (graph) (axis == AxisName::X ? graph->x : graph->y).log = 0;
  }
  void logLimitsRounded(AxisName axis) override {
    events.push_back(axis == AxisName::X ? "rounded X" : "rounded Y");
  }
  std::vector<std::string> events;
  GraphBox* graph = nullptr;
};

class GraphBoxTest : public testing::Test {
 protected:
  GraphBoxTest() {
    box.setUp({5, 135, 545, 351});
    dialog.graph = &box;
  }
  std::vector<PaintCall> paint(const PointList& points, int selected = 0) {
    RecordingPainter painter;
    box.paint(painter, points, selected);
    return painter.calls();
  }
  // The texts drawn and their top-left corners, in order.
  static std::vector<std::pair<std::string, Point>> texts(const std::vector<PaintCall>& calls) {
    std::vector<std::pair<std::string, Point>> found;
    for (const PaintCall& call : calls) {
      if (call.op == PaintOp::Text) found.emplace_back(call.text, call.points[0]);
    }
    return found;
  }
  static std::vector<PaintCall> linesIn(const std::vector<PaintCall>& calls, ui::Rgb colour) {
    std::vector<PaintCall> found;
    for (const PaintCall& call : calls) {
      if (call.op == PaintOp::Line && call.state.pen.colour == colour) found.push_back(call);
    }
    return found;
  }

  FakeDialog dialog;
  GraphBox box{dialog};
};

using Texts = std::vector<std::pair<std::string, Point>>;

TEST_F(GraphBoxTest, AreaIsTheGroupBoxLessSixPixelsAtTheTop) {
  EXPECT_EQ(box.graphRect, (ui::Rect{5, 141, 545, 345}));
  box.secondPass = 0;
  const auto calls = paint({});
  ASSERT_EQ(calls.front().op, PaintOp::Polygon);
  EXPECT_EQ(calls.front().points, (std::vector<Point>{{5, 141}, {550, 141}, {550, 486}, {5, 486}}));
  EXPECT_EQ(calls.front().state.brush.colour, graphstyle::kField);
  EXPECT_EQ(box.plotLeft, 56);
  EXPECT_EQ(box.plotBottom, 450);
  EXPECT_EQ(box.plotWidth, 468);
  EXPECT_EQ(box.plotHeight, 268);
}

TEST_F(GraphBoxTest, LinearAxesLabelFiveColumnsAndSixRowsWithTheScaleNote) {
  box.secondPass = 0;
  box.x = {0.0, 10.0};
  box.y = {0.0, 1.0};
  const auto calls = paint({});
  const Texts expected = {{"0.000", {12, 444}},        {"0.200", {12, 390}},      {"0.400", {12, 336}},
                          {"0.600", {12, 283}},        {"0.800", {12, 229}},      {"1.000", {12, 176}},
                          {"Value x 1.e0", {28, 152}}, {"0.000e+00", {28, 456}},  {"2.500e+00", {142, 456}},
                          {"5.000e+00", {259, 456}},   {"7.500e+00", {376, 456}}, {"1.000e+01", {482, 456}}};
  EXPECT_EQ(texts(calls), expected);
  const auto grid = linesIn(calls, graphstyle::kGrid);
  ASSERT_EQ(grid.size(), 6u + 5u * 4 + 5u + 4u * 4);  // lines and the ticks between them
  EXPECT_EQ(grid[0].points, (std::vector<Point>{{50, 450}, {530, 450}}));
  const std::vector<int> tickRows = {439, 428, 417, 407};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(grid[1 + k].points, (std::vector<Point>{{50, tickRows[k]}, {56, tickRows[k]}}));
  }
  EXPECT_EQ(grid[26].points, (std::vector<Point>{{56, 456}, {56, 176}}));
  EXPECT_EQ(grid[27].points, (std::vector<Point>{{79, 456}, {79, 450}}));
  EXPECT_EQ(grid[30].points, (std::vector<Point>{{149, 456}, {149, 450}}));
  for (const PaintCall& call : calls) {
    if (call.op != PaintOp::Text) continue;
    EXPECT_EQ(call.state.textColour, graphstyle::kWhite);
    EXPECT_EQ(call.state.backColour, graphstyle::kField);
    EXPECT_EQ(call.state.font.face, "Ariel");
    EXPECT_EQ(call.state.font.height, 14);
  }
}

TEST_F(GraphBoxTest, LinearYInThousandsIsLabelledInThousands) {
  box.secondPass = 0;
  box.y = {0.0, 2500.0};
  const Texts labels = texts(paint({}));
  const Texts expected = {{"0.000", {12, 444}},       {"0.500", {12, 390}}, {"1.000", {12, 336}},
                          {"1.500", {12, 283}},       {"2.000", {12, 229}}, {"2.500", {12, 176}},
                          {"Value x 1.e3", {28, 152}}};
  EXPECT_EQ(Texts(labels.begin(), labels.begin() + 7), expected);
}

TEST_F(GraphBoxTest, LogYShowsWholeDecadesWithoutAScaleNote) {
  box.secondPass = 0;
  box.y = {0.03, 40.0, 1, 1};
  const auto calls = paint({});
  EXPECT_EQ(box.y.min, 0.01);
  EXPECT_EQ(box.y.max, 100.0);
  EXPECT_EQ(dialog.events, std::vector<std::string>{"rounded Y"});
  EXPECT_EQ(box.plotLeft, 86) << "left margin 70";
  const Texts labels = texts(calls);
  const Texts expected = {{"1.0e-02", {12, 444}},
                          {"1.0e-01", {12, 369}},
                          {"1.0e+00", {12, 295}},
                          {"1.0e+01", {12, 220}},
                          {"1.0e+02", {12, 146}}};
  EXPECT_EQ(Texts(labels.begin(), labels.begin() + 5), expected);
  EXPECT_EQ(labels[5].first, "0.000e+00") << "the X labels follow at once";
  dialog.events.clear();
  paint({});
  EXPECT_TRUE(dialog.events.empty()) << "limits already in whole decades are not shown again";
  const auto grid = linesIn(calls, graphstyle::kGrid);
  const std::vector<int> tickRows = {427, 405, 392, 382};  // at 2, 4, 6, 8 times the decade
  for (int k = 0; k < 4; ++k) EXPECT_EQ(grid[1 + k].points[0], (Point{80, tickRows[k]}));
}

TEST_F(GraphBoxTest, LogXOverMoreThanFiveDecadesShowsFive) {
  box.secondPass = 0;
  box.x = {3e-9, 0.7, 1, 1};
  const Texts labels = texts(paint({}));
  EXPECT_EQ(box.x.max, 1.0);
  EXPECT_DOUBLE_EQ(box.x.min, 1e-5);
  const std::vector<std::string> expected = {"1.0e-05", "1.0e-04", "1.0e-03",
                                             "1.0e-02", "1.0e-01", "1.0e+00"};
  ASSERT_EQ(labels.size(), 7u + expected.size());
  for (std::size_t m = 0; m < expected.size(); ++m) EXPECT_EQ(labels[7 + m].first, expected[m]);
}

TEST_F(GraphBoxTest, MapsLinearAndLogarithmicValues) {
  box.secondPass = 0;
  box.x = {0.0, 10.0};
  box.y = {0.0, 1.0};
  paint({});
  EXPECT_EQ(box.MapX(2.5), 173);
  EXPECT_EQ(box.MapY(0.5), 316);
  box.x = {0.1, 100.0, 1, 1};
  paint({});
  EXPECT_EQ(box.MapX(1.0), 212);
  EXPECT_EQ(box.MapX(0.3), 130);
  EXPECT_EQ(box.MapX(70.0), 499);
  box.y = {0.01, 100.0, 1, 1};
  paint({});
  EXPECT_EQ(box.MapY(1.0), 301);
  EXPECT_EQ(box.MapY(0.05), 397);
}

TEST_F(GraphBoxTest, CurveThroughMarkedPointsWithTheSelectedOneRinged) {
  box.secondPass = 0;
  box.x = {0.0, 10.0};
  box.y = {0.0, 1.0};
  const auto calls = paint({{0.0, 0.0}, {2.5, 0.5}, {10.0, 1.0}}, 1);
  const auto curve = linesIn(calls, graphstyle::kCurve);
  ASSERT_EQ(curve.size(), 2u);
  EXPECT_EQ(curve[0].points, (std::vector<Point>{{56, 450}, {173, 316}}));
  EXPECT_EQ(curve[1].points, (std::vector<Point>{{173, 316}, {524, 182}}));
  std::vector<PaintCall> markers;
  std::vector<PaintCall> rings;
  for (const PaintCall& call : calls) {
    if (call.op == PaintOp::Ellipse) markers.push_back(call);
    if (call.op == PaintOp::Arc) rings.push_back(call);
  }
  ASSERT_EQ(markers.size(), 3u);
  EXPECT_EQ(markers[1].points, (std::vector<Point>{{171, 314}, {176, 319}}));
  EXPECT_EQ(markers[1].state.pen.colour, graphstyle::kWhite);
  EXPECT_EQ(markers[1].state.brush.colour, graphstyle::kField);
  ASSERT_EQ(rings.size(), 1u);
  EXPECT_EQ(rings[0].points, (std::vector<Point>{{165, 308}, {182, 325}}));
  EXPECT_EQ(rings[0].sweepDegrees, 360.0);
  EXPECT_EQ(rings[0].state.pen.colour, graphstyle::kRing);
}

TEST_F(GraphBoxTest, SinglePointIsOneMarkerWithoutALine) {
  box.secondPass = 0;
  const auto calls = paint({{0.25, 0.75}}, 0);
  EXPECT_TRUE(linesIn(calls, graphstyle::kCurve).empty());
  int markers = 0;
  for (const PaintCall& call : calls) markers += call.op == PaintOp::Ellipse;
  EXPECT_EQ(markers, 1);
}

// The index of the first call of the kind from `from` on.
std::size_t firstOf(const std::vector<PaintCall>& calls, PaintOp op, std::size_t from = 0) {
  for (std::size_t i = from; i < calls.size(); ++i) {
    if (calls[i].op == op) return i;
  }
  return calls.size();
}

TEST_F(GraphBoxTest, FirstPaintDrawsASecondPassWithTheCurveOverTheGrid) {
  const PointList points = {{0.0, 0.0}, {1.0, 1.0}};
  const auto first = paint(points);
  const std::size_t secondFill = firstOf(first, PaintOp::Polygon, 1);
  ASSERT_LT(secondFill, first.size()) << "two passes";
  EXPECT_LT(firstOf(first, PaintOp::Ellipse), firstOf(first, PaintOp::Text)) << "curve first";
  EXPECT_GT(firstOf(first, PaintOp::Ellipse, secondFill), firstOf(first, PaintOp::Text, secondFill))
      << "then grid first";
  const auto later = paint(points);
  EXPECT_EQ(firstOf(later, PaintOp::Polygon, 1), later.size()) << "one pass";
  EXPECT_LT(firstOf(later, PaintOp::Ellipse), firstOf(later, PaintOp::Text));
}

TEST_F(GraphBoxTest, ZeroOnALogAxisWarnsOnceAndRedrawsOnTheLinearAxis) {
  box.secondPass = 0;
  box.x = {1e-5, 1.0, 1, 1};
  const PointList points = {{0.0, 0.0}, {0.5, 1.0}};
  const auto calls = paint(points);
  EXPECT_EQ(dialog.events, (std::vector<std::string>{"zero X"})) << "whole decades: nothing rounded";
  EXPECT_EQ(box.x.log, 0);
  EXPECT_EQ(box.x.logWarn, 0);
  const std::size_t secondFill = firstOf(calls, PaintOp::Polygon, 1);
  ASSERT_LT(secondFill, calls.size()) << "a second pass was drawn";
  EXPECT_EQ(box.secondPass, 0);
  // The second pass maps the points on the linear axis from 1e-5 to 1.
  const auto curve =
      linesIn(std::vector<PaintCall>(calls.begin() + secondFill, calls.end()), graphstyle::kCurve);
  ASSERT_EQ(curve.size(), 1u);
  EXPECT_EQ(curve[0].points[0].x, 55) << "0 lies just left of the axis start 1e-5";
  dialog.events.clear();
  paint(points);
  EXPECT_TRUE(dialog.events.empty()) << "warned once";
}

TEST_F(GraphBoxTest, ZeroOnALogAxisThatWarnedAlreadyIsHeldAtTheEdge) {
  box.secondPass = 0;
  box.y = {1e-5, 1.0, 1, 0};
  paint({{0.5, 0.0}});
  EXPECT_TRUE(std::find(dialog.events.begin(), dialog.events.end(), "zero Y") == dialog.events.end());
  EXPECT_EQ(std::abs(box.MapY(0.0)), 1000000) << "far off the plot, not undefined";
}

}  // namespace
}  // namespace curvedit::test
