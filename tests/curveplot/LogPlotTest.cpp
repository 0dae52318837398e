// curveplotb painted into a recording painter at 640 x 500 client pixels. Expected places were
// worked out by a short script from the plot's proportions (left 78, right 581, base 420, the
// frame shifted to 88..591 with mid 339) and the decades (75 pixels each for five), not by the
// plot's code.
#include <algorithm>
#include <cmath>

#include "curveplot/CCurvePlotLogDlg.h"
#include "tests/curveplot/ShownPlot.h"

namespace curveplot::test {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 500;

// A frequency response from 10 to 80 Hz over 10^-1..10^4. Record 0 (read here) starts below the
// lowest decade, record 3 has a negative value, record 4 ends below the lowest decade, and
// record 5 starts at the lowest abscissa. The peak 1500 comes twice: the end of record 1 first.
Curve responseCurve() {
  return {.markMaximum = 1,
          .valueTop = 2000.0,
          .valueBottom = 0.5,
          .dispersion = 0.0,
          .caption = "Node 7 amplitude",
          .segments = {{10.0, 20.0, 0.05, 3.0},
                       {20.0, 30.0, 3.0, 1500.0},
                       {30.0, 45.0, 1500.0, 1500.0},
                       {45.0, 60.0, -2.0, 40.0},
                       {60.0, 80.0, 40.0, 0.01},
                       {10.0, 15.0, 100.0, 200.0}}};
}

using LogPlot = ShownPlot<CCurvePlotLogDlg>;

struct DecadeCase {
  double top, bottom;
  std::vector<std::string> labels;  // from the base line up
  std::size_t tickLines;            // lines between left + 3 and left + 10
};

// The decade labels, and the ticks (the decade lines are the axis lines that reach right + 10).
TEST_F(PlotTest, DecadesLabelsAndTicksPerDecade) {
  const std::vector<std::string> fiveDecades = {"1.0e-01", "1.0e+00", "1.0e+01",
                                                "1.0e+02", "1.0e+03", "1.0e+04"};
  const DecadeCase cases[] = {
      {2000.0, 0.5, fiveDecades, 5 * 4},
      {2000.0, 0.001, fiveDecades, 5 * 4},     // at most five decades: the upper ones
      {2000.0, 0.0, fiveDecades, 5 * 4},       // no lower end: five decades
      {50.0, 2.0, {"1.0e+00", "1.0e+01", "1.0e+02"}, 2 * 5},
      {9.0, 2.0, {"1.0e+00", "1.0e+01"}, 10},
      {100.0, 100.0, {"1.0e+01", "1.0e+02"}, 10},  // one power of ten: the decade below it
      {5.0, 1000.0, {"1.0e+00", "1.0e+01"}, 10},   // the lower end above the upper one
      {0.0, 5.0, {"1.0e-01", "1.0e+00"}, 10},      // no upper end: 10^-1..10^0
      {-3.0, -8.0, {"1.0e-01", "1.0e+00"}, 10},
  };
  for (const DecadeCase& c : cases) {
    Curve curve = responseCurve();
    curve.valueTop = c.top;
    curve.valueBottom = c.bottom;
    CurveHost host(curve);
    LogPlot plot(host, "curveplotb", kWidth, kHeight);
    const RecordingPainter painter = plot.paint();
    std::vector<std::string> labels;
    for (const Text& text : textsOf(painter, kWhite)) {
      if (text.at.x == 11) labels.push_back(text.text);
    }
    EXPECT_EQ(labels, c.labels) << c.top << " " << c.bottom;
    const std::vector<Line> axis = linesOf(painter, kAxisPen);
    EXPECT_EQ(std::count_if(axis.begin(), axis.end(),
                            [](const Line& l) { return l.from.x == 81 && l.to.x == 88; }),
              static_cast<std::ptrdiff_t>(c.tickLines))
        << c.top << " " << c.bottom;
  }
}

TEST_F(PlotTest, DecadeLinesAndTickPlaces) {
  CurveHost host(responseCurve());
  LogPlot plot(host, "curveplotb", kWidth, kHeight);
  const std::vector<Line> axis = linesOf(plot.paint(), kAxisPen);
  auto drawn = [&](const Line& line) {
    return std::find(axis.begin(), axis.end(), line) != axis.end();
  };
  for (const int y : {420, 345, 270, 195, 120, 45}) EXPECT_TRUE(drawn({{81, y}, {591, y}})) << y;
  for (const int y : {390, 367, 354, 345}) EXPECT_TRUE(drawn({{81, y}, {88, y}})) << y;
  for (const int x : {88, 339, 591}) EXPECT_TRUE(drawn({{x, 37}, {x, 436}})) << x;
}

TEST_F(PlotTest, TwoAndOneDecadeTickPlaces) {
  const std::pair<double, std::vector<int>> cases[] = {
      {50.0, {363, 306, 272, 249, 231}},
      {9.0, {420, 306, 239, 192, 155, 125, 100, 78, 59, 42}}};
  for (const auto& [top, ticks] : cases) {
    Curve curve = responseCurve();
    curve.valueTop = top;
    curve.valueBottom = 2.0;
    CurveHost host(curve);
    LogPlot plot(host, "curveplotb", kWidth, kHeight);
    std::vector<int> firstDecade;
    for (const Line& line : linesOf(plot.paint(), kAxisPen)) {
      if (line.from.x == 81 && line.to.x == 88 && line.from.y >= ticks.back()) {
        firstDecade.push_back(line.from.y);
      }
    }
    EXPECT_EQ(firstDecade, ticks) << top;
  }
}

// Record 0 is cut where it crosses the base line, record 3 has no logarithm, record 4 is cut at
// its end, record 5 starts at the lowest abscissa and is left out.
TEST_F(PlotTest, CurveCutAtTheBaseLineAndTheDrawTests) {
  CurveHost host(responseCurve());
  LogPlot plot(host, "curveplotb", kWidth, kHeight);
  const std::vector<Line> curve = {{{99, 420}, {159, 309}},
                                   {{159, 309}, {231, 106}},
                                   {{231, 106}, {339, 106}},
                                   {{447, 224}, {551, 420}}};
  EXPECT_EQ(linesOf(plot.paint(), kCurvePen), curve);
}

TEST_F(PlotTest, EnlargingMovesTheDecadesButNotTheCurveHeights) {
  CurveHost host(responseCurve());
  LogPlot plot(host, "curveplotb", kWidth, kHeight);
  plot.paint();
  EXPECT_TRUE(plot.dialog().curveMapped());
  plot.dialog().resize(700, 520);
  const RecordingPainter painter = plot.paint();
  const std::vector<Line> curve = linesOf(painter, kCurvePen);
  ASSERT_GE(curve.size(), 2u);
  EXPECT_EQ(curve[1], (Line{{173, 309}, {252, 106}}));
  const std::vector<Line> axis = linesOf(painter, kAxisPen);
  EXPECT_NE(std::find(axis.begin(), axis.end(), Line{{88, 437}, {646, 437}}), axis.end());
}

TEST_F(PlotTest, MaximumWithThePeakMagnitudeAndTheMarkerUpAndLeft) {
  CurveHost host(responseCurve());
  LogPlot plot(host, "curveplotb", kWidth, kHeight);
  const RecordingPainter painter = plot.paint();
  const std::vector<Text> white = textsOf(painter, kWhite);
  ASSERT_FALSE(white.empty());
  EXPECT_EQ(white[0], (Text{{33, 11}, "Maximum"}));
  EXPECT_NE(std::find(white.begin(), white.end(), Text{{191, 470}, " 3.000e+01"}), white.end());
  const std::vector<Text> red = {{{105, 11}, " = 1.500e+03"}};
  EXPECT_EQ(textsOf(painter, kRed), red);
  // Across the axis, the peak down to below the axis, then from there to the arc's start.
  const std::vector<Line> marker = {
      {{231, 415}, {231, 425}}, {{231, 106}, {231, 425}}, {{231, 425}, {236, 101}}};
  EXPECT_EQ(linesOf(painter, kRed), marker);
  const std::vector<PaintCall> arcs = arcsOf(painter);
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_EQ(arcs[0].points[0], (ui::Point{216, 91}));
  EXPECT_EQ(arcs[0].points[1], (ui::Point{236, 111}));
  EXPECT_EQ(plot.dialog().peak()->index, 1u);
}

TEST_F(PlotTest, MarkZeroDrawsNoMarkerOnTheLogarithmicAxis) {
  Curve curve = responseCurve();
  curve.markMaximum = 0;
  CurveHost host(curve);
  LogPlot plot(host, "curveplotb", kWidth, kHeight);
  const RecordingPainter painter = plot.paint();
  EXPECT_TRUE(linesOf(painter, kRed).empty());
  EXPECT_TRUE(arcsOf(painter).empty());
}

// A negative value has the largest magnitude but no place on the axis: it cannot be the peak.
TEST_F(PlotTest, PeakOnlyAmongPositiveValues) {
  Curve curve = responseCurve();
  curve.segments[3].y0 = -90000.0;
  CurveHost host(curve);
  LogPlot plot(host, "curveplotb", kWidth, kHeight);
  ASSERT_TRUE(plot.dialog().peak());
  EXPECT_EQ(plot.dialog().peak()->magnitude, 1500.0);
}

TEST_F(PlotTest, DispersionAboveThePlotFromZeroOn) {
  for (const double dispersion : {0.0, 2.5e-3, -1.0}) {
    Curve curve = responseCurve();
    curve.dispersion = dispersion;
    CurveHost host(curve);
    LogPlot plot(host, "curveplotb", kWidth, kHeight);
    const std::vector<Text> white = textsOf(plot.paint(), kWhite);
    const auto found = std::find_if(white.begin(), white.end(),
                                    [](const Text& t) { return t.at == ui::Point{279, 21}; });
    ASSERT_EQ(found != white.end(), dispersion >= 0) << dispersion;
    if (found != white.end()) {
      EXPECT_EQ(found->text, dispersion == 0 ? "Dispersion : 0.000e+00" : "Dispersion : 2.500e-03");
    }
  }
}

TEST_F(PlotTest, CaptionAlwaysFromTheBlock) {
  for (const std::string caption : {"Node 7 amplitude", ""}) {
    Curve curve = responseCurve();
    curve.caption = caption;
    CurveHost host(curve);
    LogPlot plot(host, "curveplotb", kWidth, kHeight);
    EXPECT_EQ(plot.dialog().GetWindowText(), caption);
  }
}

TEST_F(PlotTest, CopyListsEveryRecordFromTheFirst) {
  Curve curve = responseCurve();
  curve.segments.resize(2);
  CurveHost host(curve);
  LogPlot plot(host, "curveplotb", kWidth, kHeight);
  plot.dialog().copy();
  ASSERT_EQ(services.clipboard().size(), 1u);
  EXPECT_EQ(services.clipboard()[0].text, "10\t0.05\t20\t3\n20\t3\t30\t1500\n");
}

}  // namespace
}  // namespace curveplot::test
