// curveplot painted into a recording painter at 601 x 437 client pixels. Places were worked out
// by hand from the plot's proportions (left 73, right 546, mid 309, base 367, step 64, label row
// 395) and the values by a short script, not by the plot's code.
#include <cmath>

#include "curveplot/CCurvePlotDlg.h"
#include "runtime/skeleton/PrettyColours.h"
#include "tests/curveplot/ShownPlot.h"

namespace curveplot::test {
namespace {

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

struct LinearPlot : ShownPlot<CCurvePlotDlg> {
  explicit LinearPlot(const Curve& curve) : ShownPlot(curve, "curveplot", 601, 437) {}
};

TEST_F(PlotTest, ExponentAbscissaAndValueLabelsInTheirPlaces) {
  LinearPlot plot(dampedCurve());
  const std::vector<Text> expected = {{{31, 8}, "Value x 1.e2"},  {{63, 395}, " 5.000e-01"},
                                      {{259, 395}, " 2.500e+00"}, {{501, 395}, " 4.500e+00"},
                                      {{10, 372}, "-0.400"},      {{10, 308}, " 0.180"},
                                      {{10, 244}, " 0.760"},      {{10, 180}, " 1.340"},
                                      {{10, 116}, " 1.920"},      {{10, 52}, " 2.500"}};
  EXPECT_EQ(textsOf(plot.paint(), kWhite), expected);
}

TEST_F(PlotTest, DegenerateAndSmallRanges) {
  struct Case {
    double top, bottom;
    const char* exponent;
    std::vector<std::string> labels;  // from the base line up
  };
  const Case cases[] = {
      {0.0, 0.0, "Value x 1.e0", {" 0.000", " 0.200", " 0.400", " 0.600", " 0.800", " 1.000"}},
      {3.0, 3.0, "Value x 1.e0", {" 5.100", " 4.080", " 3.060", " 2.040", " 1.020", " 0.000"}},
      {-3.0, -3.0, "Value x 1.e0", {"-5.100", "-4.080", "-3.060", "-2.040", "-1.020", " 0.000"}},
      {3.0, 2.995, "Value x 1.e0", {" 0.000", " 1.020", " 2.040", " 3.060", " 4.080", " 5.100"}},
      {0.5, 0.1, "Value x 1.e-1", {" 1.000", " 1.800", " 2.600", " 3.400", " 4.200", " 5.000"}},
      {0.1, 0.0, "Value x 1.e-2", {" 0.000", " 2.000", " 4.000", " 6.000", " 8.000", "10.000"}},
      {INFINITY, -40.0, "Value x 1.e1", {"-4.000", "-3.200", "-2.400", "-1.600", "-0.800", " 0.000"}},
  };
  for (const Case& c : cases) {
    Curve curve = dampedCurve();
    curve.valueTop = c.top;
    curve.valueBottom = c.bottom;
    LinearPlot plot(curve);
    const std::vector<Text> texts = textsOf(plot.paint(), kWhite);
    std::vector<std::string> labels;
    for (const Text& text : texts) {
      if (text.at.x == 10) labels.push_back(text.text);
    }
    EXPECT_EQ(labels, c.labels) << c.top << " " << c.bottom;
    EXPECT_EQ(texts.front().text, c.exponent) << c.top << " " << c.bottom;
  }
}

TEST_F(PlotTest, CurveFromTheSecondRecordOnAndTheFirstPeakMarked) {
  LinearPlot plot(dampedCurve());
  const RecordingPainter painter = plot.paint();
  const std::vector<Line> curve = {{{13, 322}, {13, 322}},  // the zero record in record 0's place
                                   {{73, 300}, {161, 361}},
                                   {{161, 361}, {250, 124}},
                                   {{250, 124}, {451, 521}},
                                   {{451, 521}, {546, 256}}};
  EXPECT_EQ(linesOf(painter, kCurvePen), curve);
  // The end of record 2 at (2.0, 180): a line up from below the axis, then the circle's radius
  // from the peak to the arc's start; its abscissa in red at the bottom.
  const std::vector<Line> marker = {{{250, 372}, {250, 124}}, {{250, 124}, {260, 124}}};
  EXPECT_EQ(linesOf(painter, kRed), marker);
  const std::vector<PaintCall> arcs = painter.callsOf(PaintOp::Arc);
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_EQ(arcs[0].points, (std::vector<ui::Point>{{240, 114}, {261, 135}}));
  EXPECT_EQ(textsOf(painter, kRed), (std::vector<Text>{{{210, 422}, " 2.000e+00"}}));
  // Resizing invalidates the window and moves the red text with the client height.
  int invalidated = 0;
  struct : ui::DialogObserver {
    int* count = nullptr;
    void controlChanged(int, ui::ControlChange) override {}
    void dialogChanged(ui::DialogChange what) override { *count += what == ui::DialogChange::Invalidate; }
    void timerChanged(int, int) override {}
  } observer;
  observer.count = &invalidated;
  plot.dialog->setObserver(&observer);
  plot.dialog->resize(700, 520);
  plot.dialog->setObserver(nullptr);
  EXPECT_EQ(invalidated, 1);
  EXPECT_EQ(textsOf(plot.paint(), kRed)[0].at.y, 505);
}

TEST_F(PlotTest, MarkerRules) {
  Curve allZero = dampedCurve();
  allZero.segments = {{9.0, 9.0, 9.0, 9.0}, {2.0, 3.5, 0.0, 0.0}, {3.5, 6.0, 0.0, 0.0}};
  LinearPlot zero(allZero);
  EXPECT_EQ(linesOf(zero.paint(), kRed).at(0).from.x, -163) << "73 + 473 * (0 - 2) / 4";

  Curve unmarked = dampedCurve();
  unmarked.markMaximum = -1;
  LinearPlot none(unmarked);
  EXPECT_TRUE(linesOf(none.paint(), kRed).empty());

  // Values that are not finite: neither drawn nor the peak, though the other value is largest.
  Curve broken = dampedCurve();
  broken.segments.push_back({4.5, 5.0, NAN, 20000.0});
  broken.segments.push_back({5.0, 5.5, -30000.0, INFINITY});
  LinearPlot skipped(broken);
  EXPECT_EQ(linesOf(skipped.paint(), kCurvePen).size(), 5u);
  EXPECT_EQ(skipped.dialog->peak()->magnitude, 180.0);
}

TEST_F(PlotTest, NoSegmentsGiveAnEmptyPlotWithItsAxesOnDarkBlue) {
  Curve curve = dampedCurve();
  curve.segments.clear();
  LinearPlot plot(curve);
  const RecordingPainter painter = plot.paint();
  EXPECT_TRUE(linesOf(painter, kCurvePen).empty());
  EXPECT_TRUE(linesOf(painter, kRed).empty());
  EXPECT_EQ(linesOf(painter, kAxisPen).size(), 1u + 5 * 4 + 3 + 20);
  EXPECT_EQ(textsOf(painter, kWhite)[1].text, " 0.000e+00");
  EXPECT_EQ(textsOf(painter, kWhite)[3].text, " 1.000e+00");
  const std::vector<PaintCall> fills = painter.callsOf(PaintOp::Polygon);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0].state.brush.colour, skeleton::kDialogBack);
  EXPECT_EQ(fills[0].points[2], (ui::Point{601, 437}));
  for (const PaintCall& text : painter.callsOf(PaintOp::Text)) {
    EXPECT_EQ(text.state.backColour, skeleton::kDialogBack);
    EXPECT_EQ(text.state.backMode, ui::BackMode::Opaque);
  }
}

TEST_F(PlotTest, DispersionOverTheMiddleLabelOnlyWhenPositive) {
  for (const double dispersion : {0.0125, 0.0, -2.0}) {
    Curve curve = dampedCurve();
    curve.dispersion = dispersion;
    LinearPlot plot(curve);
    const std::vector<Text> texts = textsOf(plot.paint(), kWhite);
    EXPECT_EQ(contains(texts, Text{{259, 395}, "Dispersion : 1.250e-02"}), dispersion > 0);
    EXPECT_TRUE(contains(texts, Text{{259, 395}, " 2.500e+00"})) << dispersion;
  }
}

TEST_F(PlotTest, AxisTicksAndGridLines) {
  LinearPlot plot(dampedCurve());
  const std::vector<Line> axis = linesOf(plot.paint(), kAxisPen);
  const std::vector<Line> expected = {
      {{63, 367}, {551, 367}},  // the abscissa axis
      {{73, 32}, {73, 381}},   {{309, 32}, {309, 381}},  {{546, 32}, {546, 381}},
      {{63, 303}, {551, 303}}, {{63, 47}, {551, 47}},  // first and top grid lines
      {{70, 351}, {73, 351}},  {{66, 335}, {73, 335}},   {{70, 319}, {73, 319}},
      {{96, 367}, {96, 372}},  {{120, 367}, {120, 377}}, {{543, 367}, {543, 377}}};
  for (const Line& line : expected) EXPECT_TRUE(contains(axis, line)) << line;
}

TEST_F(PlotTest, CaptionFromTheBlockUnlessEmpty) {
  const std::string longest(299, 'c');
  for (const std::string& caption : {std::string("Node 12 UX"), std::string(), longest}) {
    Curve curve = dampedCurve();
    curve.caption = caption;
    LinearPlot plot(curve);
    EXPECT_EQ(plot.dialog->GetWindowText(), caption.empty() ? "curveplot" : caption);
  }
}

// Ctrl+C: every record read as a line of text, values as the host gave them, and the plot as a
// picture of the client area.
TEST_F(PlotTest, CopyPutsTheCurveAsTextAndThePlotAsAPicture) {
  LinearPlot plot(dampedCurve());
  plot.dialog->copy();
  ASSERT_EQ(services.clipboard().size(), 1u);
  const ui::ClipboardContent& copied = services.clipboard()[0];
  EXPECT_EQ(copied.text, "0.5\t20\t1.25\t-35\n1.25\t-35\t2\t180\n2\t180\t3.7\t-180\n3.7\t-180\t4.5\t60\n");
  EXPECT_EQ(copied.pictureSize, (ui::Size{601, 437}));
  RecordingPainter picture;
  copied.paint(picture);
  EXPECT_EQ(linesOf(picture, kCurvePen).size(), 5u);
}

}  // namespace
}  // namespace curveplot::test
