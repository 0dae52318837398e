// curveplot painted into a recording painter at 601 x 437 client pixels. Expected places were
// worked out by hand from the plot's proportions (left 73, right 546, mid 309, base 367, step
// 64, label row 395) and the values by a short script, not by the plot's code.
#include <algorithm>
#include <cmath>

#include "curveplot/CCurvePlotDlg.h"
#include "runtime/skeleton/PrettyColours.h"
#include "tests/curveplot/ShownPlot.h"

namespace curveplot::test {
namespace {

constexpr int kWidth = 601;
constexpr int kHeight = 437;

// Record 0 would move the abscissa range to -1000..5000 and be the peak if it were read. The
// magnitude 180 comes three times: the end of record 2 is met first.
Curve dampedCurve() {
  return {.markMaximum = 0,
          .valueTop = 250.0,
          .valueBottom = -40.0,
          .dispersion = 0.0,
          .caption = "Node 12 UX",
          .segments = {{-1000.0, 5000.0, 999.0, -999.0},
                       {0.5, 1.25, 20.0, -35.0},
                       {1.25, 2.0, -35.0, 180.0},
                       {2.0, 3.7, 180.0, -180.0},
                       {3.7, 4.5, -180.0, 60.0}}};
}

using LinearPlot = ShownPlot<CCurvePlotDlg>;

std::vector<std::string> valueLabels(const RecordingPainter& painter) {
  std::vector<std::string> labels;
  for (const Text& text : textsOf(painter, kWhite)) {
    if (text.at.x == 10) labels.push_back(text.text);
  }
  return labels;
}

TEST_F(PlotTest, ValueLabelsOfTheScaledAxisAndTheirPlaces) {
  CurveHost host(dampedCurve());
  LinearPlot plot(host, "curveplot", kWidth, kHeight);
  const std::vector<Text> texts = textsOf(plot.paint(), kWhite);
  const std::vector<Text> expected = {
      {{31, 8}, "Value x 1.e2"},
      {{63, 395}, " 5.000e-01"}, {{259, 395}, " 2.500e+00"}, {{501, 395}, " 4.500e+00"},
      {{10, 372}, "-0.400"}, {{10, 308}, " 0.180"}, {{10, 244}, " 0.760"},
      {{10, 180}, " 1.340"}, {{10, 116}, " 1.920"}, {{10, 52}, " 2.500"}};
  EXPECT_EQ(texts, expected);
}

struct AxisCase {
  double top, bottom;
  const char* exponentLabel;
  std::vector<std::string> labels;  // from the base line up
};

TEST_F(PlotTest, DegenerateAndSmallRanges) {
  const AxisCase cases[] = {
      {0.0, 0.0, "Value x 1.e0", {" 0.000", " 0.200", " 0.400", " 0.600", " 0.800", " 1.000"}},
      {3.0, 3.0, "Value x 1.e0", {" 5.100", " 4.080", " 3.060", " 2.040", " 1.020", " 0.000"}},
      {-3.0, -3.0, "Value x 1.e0", {"-5.100", "-4.080", "-3.060", "-2.040", "-1.020", " 0.000"}},
      {3.0, 2.995, "Value x 1.e0", {" 0.000", " 1.020", " 2.040", " 3.060", " 4.080", " 5.100"}},
      {0.5, 0.1, "Value x 1.e-1", {" 1.000", " 1.800", " 2.600", " 3.400", " 4.200", " 5.000"}},
      {0.1, 0.0, "Value x 1.e-2", {" 0.000", " 2.000", " 4.000", " 6.000", " 8.000", "10.000"}},
      {INFINITY, -40.0, "Value x 1.e1", {"-4.000", "-3.200", "-2.400", "-1.600", "-0.800", " 0.000"}},
  };
  for (const AxisCase& c : cases) {
    Curve curve = dampedCurve();
    curve.valueTop = c.top;
    curve.valueBottom = c.bottom;
    CurveHost host(curve);
    LinearPlot plot(host, "curveplot", kWidth, kHeight);
    const RecordingPainter painter = plot.paint();
    EXPECT_EQ(valueLabels(painter), c.labels) << c.top << " " << c.bottom;
    EXPECT_EQ(textsOf(painter, kWhite).front().text, c.exponentLabel) << c.top << " " << c.bottom;
  }
}

TEST_F(PlotTest, CurveFromTheSecondRecordOnAndTheFirstPeakMarked) {
  CurveHost host(dampedCurve());
  LinearPlot plot(host, "curveplot", kWidth, kHeight);
  const RecordingPainter painter = plot.paint();
  const std::vector<Line> curve = {{{13, 322}, {13, 322}},  // the zero record in place of record 0
                                   {{73, 300}, {161, 361}},
                                   {{161, 361}, {250, 124}},
                                   {{250, 124}, {451, 521}},
                                   {{451, 521}, {546, 256}}};
  EXPECT_EQ(linesOf(painter, kCurvePen), curve);
  // The peak is the end of record 2 at (2.0, 180): a line up from below the axis, then the
  // circle's radius from the peak to the arc's start.
  const std::vector<Line> marker = {{{250, 372}, {250, 124}}, {{250, 124}, {260, 124}}};
  EXPECT_EQ(linesOf(painter, kRed), marker);
  const std::vector<PaintCall> arcs = arcsOf(painter);
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_EQ(arcs[0].points[0], (ui::Point{240, 114}));
  EXPECT_EQ(arcs[0].points[1], (ui::Point{260, 134}));
  const std::vector<Text> red = {{{210, 422}, " 2.000e+00"}};
  EXPECT_EQ(textsOf(painter, kRed), red);
  ASSERT_TRUE(plot.dialog().peak());
  EXPECT_EQ(plot.dialog().peak()->index, 2u);
  EXPECT_EQ(plot.dialog().peak()->end, 1);
}

TEST_F(PlotTest, MarkerTextFollowsTheClientHeightOfTheLastResize) {
  CurveHost host(dampedCurve());
  LinearPlot plot(host, "curveplot", kWidth, kHeight);
  plot.dialog().resize(700, 520);
  const std::vector<Text> red = textsOf(plot.paint(), kRed);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_EQ(red[0].at.y, 505);
}

TEST_F(PlotTest, AllValuesZeroPutTheMarkerAtTheZeroRecordsAbscissa) {
  Curve curve = dampedCurve();
  curve.segments = {{9.0, 9.0, 9.0, 9.0}, {2.0, 3.5, 0.0, 0.0}, {3.5, 6.0, 0.0, 0.0}};
  CurveHost host(curve);
  LinearPlot plot(host, "curveplot", kWidth, kHeight);
  const std::vector<Line> marker = linesOf(plot.paint(), kRed);
  ASSERT_FALSE(marker.empty());
  EXPECT_EQ(marker[0].from.x, -163);  // 73 + 473 * (0 - 2) / 4
}

TEST_F(PlotTest, NegativeMarkDrawsNoMarker) {
  Curve curve = dampedCurve();
  curve.markMaximum = -1;
  CurveHost host(curve);
  LinearPlot plot(host, "curveplot", kWidth, kHeight);
  const RecordingPainter painter = plot.paint();
  EXPECT_TRUE(linesOf(painter, kRed).empty());
  EXPECT_TRUE(arcsOf(painter).empty());
}

TEST_F(PlotTest, NoSegmentsGiveAnEmptyPlotWithItsAxes) {
  Curve curve = dampedCurve();
  curve.segments.clear();
  CurveHost host(curve);
  LinearPlot plot(host, "curveplot", kWidth, kHeight);
  const RecordingPainter painter = plot.paint();
  EXPECT_FALSE(plot.dialog().peak());
  EXPECT_TRUE(linesOf(painter, kCurvePen).empty());
  EXPECT_TRUE(linesOf(painter, kRed).empty());
  EXPECT_EQ(linesOf(painter, kAxisPen).size(), 1u + 5 * 4 + 3 + 20);
  EXPECT_EQ(textsOf(painter, kWhite)[1].text, " 0.000e+00");
  EXPECT_EQ(textsOf(painter, kWhite)[3].text, " 1.000e+00");
}

// A segment with a value that is not a number, or an infinite one, is neither drawn nor the
// peak, though its other value is the largest.
TEST_F(PlotTest, SegmentsWithoutFiniteValuesAreSkipped) {
  Curve curve = dampedCurve();
  curve.segments.push_back({4.5, 5.0, NAN, 20000.0});
  curve.segments.push_back({5.0, 5.5, -30000.0, INFINITY});
  CurveHost host(curve);
  LinearPlot plot(host, "curveplot", kWidth, kHeight);
  EXPECT_EQ(linesOf(plot.paint(), kCurvePen).size(), 5u);
  ASSERT_TRUE(plot.dialog().peak());
  EXPECT_EQ(plot.dialog().peak()->magnitude, 180.0);
}

TEST_F(PlotTest, DispersionOverTheMiddleLabelOnlyWhenPositive) {
  for (const double dispersion : {0.0125, 0.0, -2.0}) {
    Curve curve = dampedCurve();
    curve.dispersion = dispersion;
    CurveHost host(curve);
    LinearPlot plot(host, "curveplot", kWidth, kHeight);
    std::vector<Text> atMiddle;
    for (const Text& text : textsOf(plot.paint(), kWhite)) {
      if (text.at == ui::Point{259, 395}) atMiddle.push_back(text);
    }
    ASSERT_EQ(atMiddle.size(), dispersion > 0 ? 2u : 1u) << dispersion;
    if (dispersion > 0) {
      EXPECT_EQ(atMiddle[1].text, "Dispersion : 1.250e-02");
    }
  }
}

TEST_F(PlotTest, AxisTicksAndGridLines) {
  CurveHost host(dampedCurve());
  LinearPlot plot(host, "curveplot", kWidth, kHeight);
  const std::vector<Line> axis = linesOf(plot.paint(), kAxisPen);
  auto drawn = [&](const Line& line) {
    return std::find(axis.begin(), axis.end(), line) != axis.end();
  };
  EXPECT_TRUE(drawn({{63, 367}, {551, 367}}));                   // the abscissa axis
  for (const int x : {73, 309, 546}) EXPECT_TRUE(drawn({{x, 32}, {x, 381}})) << x;
  EXPECT_TRUE(drawn({{63, 303}, {551, 303}}));                   // first grid line
  EXPECT_TRUE(drawn({{63, 47}, {551, 47}}));                     // top grid line
  EXPECT_TRUE(drawn({{70, 351}, {73, 351}}));                    // ticks below the first
  EXPECT_TRUE(drawn({{66, 335}, {73, 335}}));
  EXPECT_TRUE(drawn({{70, 319}, {73, 319}}));
  EXPECT_TRUE(drawn({{96, 367}, {96, 372}}));                    // first minor tick
  EXPECT_TRUE(drawn({{120, 367}, {120, 377}}));                  // first major tick
  EXPECT_TRUE(drawn({{543, 367}, {543, 377}}));                  // last major tick
}

TEST_F(PlotTest, TextIsWhiteOnOpaqueDarkBlueOverADarkBlueBackground) {
  CurveHost host(dampedCurve());
  LinearPlot plot(host, "curveplot", kWidth, kHeight);
  const RecordingPainter painter = plot.paint();
  const std::vector<PaintCall> fills = painter.callsOf(PaintOp::Polygon);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0].state.brush.colour, skeleton::kDialogBack);
  EXPECT_EQ(fills[0].points[2], (ui::Point{kWidth, kHeight}));
  for (const PaintCall& text : painter.callsOf(PaintOp::Text)) {
    EXPECT_EQ(text.state.backColour, skeleton::kDialogBack);
    EXPECT_EQ(text.state.backMode, ui::BackMode::Opaque);
  }
}

TEST_F(PlotTest, CaptionFromTheBlockUnlessEmpty) {
  const std::string longest(299, 'c');
  const std::pair<std::string, std::string> cases[] = {
      {"Node 12 UX", "Node 12 UX"}, {"", "curveplot"}, {longest, longest}};
  for (const auto& [caption, shown] : cases) {
    Curve curve = dampedCurve();
    curve.caption = caption;
    CurveHost host(curve);
    LinearPlot plot(host, "curveplot", kWidth, kHeight);
    EXPECT_EQ(plot.dialog().GetWindowText(), shown);
  }
}

// Ctrl+C: every record read as a line of text, values as the host gave them, and the plot as a
// picture of the client area.
TEST_F(PlotTest, CopyPutsTheCurveAsTextAndThePlotAsAPicture) {
  CurveHost host(dampedCurve());
  LinearPlot plot(host, "curveplot", kWidth, kHeight);
  plot.dialog().copy();
  ASSERT_EQ(services.clipboard().size(), 1u);
  const ui::ClipboardContent& copied = services.clipboard()[0];
  EXPECT_EQ(copied.text,
            "0.5\t20\t1.25\t-35\n1.25\t-35\t2\t180\n2\t180\t3.7\t-180\n3.7\t-180\t4.5\t60\n");
  EXPECT_EQ(copied.pictureSize, (ui::Size{kWidth, kHeight}));
  RecordingPainter picture;
  copied.paint(picture);
  EXPECT_EQ(linesOf(picture, kCurvePen).size(), 5u);
}

}  // namespace
}  // namespace curveplot::test
