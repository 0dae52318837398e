// curveplotb painted into a recording painter at 640 x 500 client pixels. Places were worked out
// by a short script from the plot's proportions (left 78, right 581, base 420, the frame shifted
// to 88..591 with mid 339) and the decades (75 pixels each for five), not by the plot's code.
#include "curveplot/CCurvePlotLogDlg.h"
#include "tests/curveplot/ShownPlot.h"

namespace curveplot::test {
namespace {

// A response from 10 to 80 Hz over 10^-1..10^4. Record 0 (read here) starts below the lowest
// decade, record 3 has a negative value, record 4 ends below the lowest decade, record 5 starts
// at the lowest abscissa. The peak 1500 comes twice: the end of record 1 first.
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

struct LogPlot : ShownPlot<CCurvePlotLogDlg> {
  explicit LogPlot(const Curve& curve) : ShownPlot(curve, "curveplotb", 640, 500) {}
};

Curve withRange(double top, double bottom) {
  Curve curve = responseCurve();
  curve.valueTop = top;
  curve.valueBottom = bottom;
  return curve;
}

// The decade labels from the base line up, and the heights of the ticks (from left + 3 to
// left + 10) of the lowest decade.
TEST_F(PlotTest, DecadesTheirLabelsAndTicks) {
  const std::vector<std::string> five = {"1.0e-01", "1.0e+00", "1.0e+01", "1.0e+02", "1.0e+03", "1.0e+04"};
  struct Case {
    double top, bottom;
    std::vector<std::string> labels;
    std::vector<int> lowestTicks;
  };
  const Case cases[] = {
      {2000.0, 0.5, five, {390, 367, 354, 345}},
      {2000.0, 0.001, five, {390, 367, 354, 345}},  // at most five decades: the upper ones
      {2000.0, 0.0, five, {390, 367, 354, 345}},    // no lower end: five decades
      {50.0, 2.0, {"1.0e+00", "1.0e+01", "1.0e+02"}, {363, 306, 272, 249, 231}},
      {9.0, 2.0, {"1.0e+00", "1.0e+01"}, {420, 306, 239, 192, 155, 125, 100, 78, 59, 42}},
      {100.0, 100.0, {"1.0e+01", "1.0e+02"}, {420, 306, 239, 192, 155, 125, 100, 78, 59, 42}},
      {5.0, 1000.0, {"1.0e+00", "1.0e+01"}, {420, 306, 239, 192, 155, 125, 100, 78, 59, 42}},
      {0.0, 5.0, {"1.0e-01", "1.0e+00"}, {420, 306, 239, 192, 155, 125, 100, 78, 59, 42}},
  };
  for (const Case& c : cases) {
    LogPlot plot(withRange(c.top, c.bottom));
    const RecordingPainter painter = plot.paint();
    std::vector<std::string> labels;
    for (const Text& text : textsOf(painter, kWhite)) {
      if (text.at.x == 11) labels.push_back(text.text);
    }
    EXPECT_EQ(labels, c.labels) << c.top << " " << c.bottom;
    std::vector<int> ticks;
    const int decadeTop = 420 - 378 / static_cast<int>(c.labels.size() - 1);
    for (const Line& line : linesOf(painter, kAxisPen)) {
      if (line.from.x == 81 && line.to.x == 88 && line.from.y >= decadeTop) ticks.push_back(line.from.y);
    }
    EXPECT_EQ(ticks, c.lowestTicks) << c.top << " " << c.bottom;
  }
}

// Record 0 is cut where it crosses the base line, record 3 has no logarithm, record 4 is cut at
// its end, record 5 starts at the lowest abscissa and is left out. Enlarging the window then
// moves the decade lines and the abscissas, and the curve's heights with the decades (base 437,
// 78 pixels a decade: 3 at 437 - 1.477 x 78, 1500 at 437 - 4.176 x 78).
TEST_F(PlotTest, CurveCutAtTheBaseLineDrawTestsAndResize) {
  LogPlot plot(responseCurve());
  const RecordingPainter first = plot.paint();
  const std::vector<Line> curve = {
      {{99, 420}, {159, 309}}, {{159, 309}, {231, 106}}, {{231, 106}, {339, 106}}, {{447, 224}, {551, 420}}};
  EXPECT_EQ(linesOf(first, kCurvePen), curve);
  const std::vector<Line> axis = linesOf(first, kAxisPen);
  for (const int y : {420, 345, 270, 195, 120, 45}) EXPECT_TRUE(contains(axis, Line{{81, y}, {591, y}})) << y;
  for (const int x : {88, 339, 591}) EXPECT_TRUE(contains(axis, Line{{x, 37}, {x, 436}})) << x;

  plot.dialog->resize(700, 520);
  const RecordingPainter enlarged = plot.paint();
  EXPECT_EQ(linesOf(enlarged, kCurvePen).at(1), (Line{{173, 321}, {252, 111}}));
  EXPECT_TRUE(contains(linesOf(enlarged, kRed), Line{{252, 111}, {252, 442}})) << "the peak's marker too";
  EXPECT_TRUE(contains(linesOf(enlarged, kAxisPen), Line{{88, 437}, {646, 437}}));
}

TEST_F(PlotTest, MaximumWithThePeakMagnitudeAndTheMarkerUpAndLeft) {
  LogPlot plot(responseCurve());
  const RecordingPainter painter = plot.paint();
  const std::vector<Text> white = textsOf(painter, kWhite);
  EXPECT_EQ(white.at(0), (Text{{33, 11}, "Maximum"}));
  EXPECT_TRUE(contains(white, Text{{191, 470}, " 3.000e+01"}));
  EXPECT_EQ(textsOf(painter, kRed), (std::vector<Text>{{{105, 11}, " = 1.500e+03"}}));
  // Across the axis, the peak down to below the axis, then from there to the arc's start.
  const std::vector<Line> marker = {
      {{231, 415}, {231, 425}}, {{231, 106}, {231, 425}}, {{231, 425}, {236, 101}}};
  EXPECT_EQ(linesOf(painter, kRed), marker);
  const std::vector<PaintCall> arcs = painter.callsOf(PaintOp::Arc);
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_EQ(arcs[0].points, (std::vector<ui::Point>{{216, 91}, {237, 112}}));
}

TEST_F(PlotTest, MarkerRulesOnTheDecadeAxis) {
  Curve unmarked = responseCurve();
  unmarked.markMaximum = 0;
  LogPlot none(unmarked);
  EXPECT_TRUE(linesOf(none.paint(), kRed).empty());
  // A negative value of the largest magnitude has no place on the axis: it is not the peak.
  Curve negative = responseCurve();
  negative.segments[3].y0 = -90000.0;
  LogPlot positive(negative);
  EXPECT_EQ(positive.dialog->peak()->magnitude, 1500.0);
}

TEST_F(PlotTest, DispersionAboveThePlotFromZeroOnAndTheCaptionAlways) {
  const std::pair<double, const char*> cases[] = {
      {0.0, "Dispersion : 0.000e+00"}, {2.5e-3, "Dispersion : 2.500e-03"}, {-1.0, nullptr}};
  for (const auto& [dispersion, shown] : cases) {
    Curve curve = responseCurve();
    curve.dispersion = dispersion;
    curve.caption = shown ? shown : "";
    LogPlot plot(curve);
    const std::vector<Text> white = textsOf(plot.paint(), kWhite);
    const bool found = std::any_of(white.begin(), white.end(), [](const Text& t) {
      return t.at == ui::Point{279, 21};
    });
    EXPECT_EQ(found, shown != nullptr) << dispersion;
    if (shown) {
      EXPECT_TRUE(contains(white, Text{{279, 21}, shown}));
    }
    EXPECT_EQ(plot.dialog->GetWindowText(), curve.caption);
  }
}

TEST_F(PlotTest, CopyListsEveryRecordFromTheFirst) {
  Curve curve = responseCurve();
  curve.segments.resize(2);
  LogPlot plot(curve);
  plot.dialog->copy();
  ASSERT_EQ(services.clipboard().size(), 1u);
  EXPECT_EQ(services.clipboard()[0].text, "10\t0.05\t20\t3\n20\t3\t30\t1500\n");
}

}  // namespace
}  // namespace curveplot::test
