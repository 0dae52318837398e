// The editing commands on the ramp-hold-release function: limits (DEFINE, REFIT, the scale
// lists), points (NEW, INPUT, DELETE, the selector), the log-of-zero warning and the clipboard.
#include "tests/curvedit/CurveEditFixture.h"

namespace curvedit::test {
namespace {

const char* const kLimitsText =
    "1. For logarithmic scale  X > %s\n2. For logarithmic scale  Y > %s\n"
    "3. For logarithmic scale log10(Xmax) - log10(Xmin) < 4\n";

std::string limitsText(const std::string& x, const std::string& y) {
  std::string text = kLimitsText;
  text.replace(text.find("%s"), 2, x);
  text.replace(text.find("%s"), 2, y);
  return text;
}

void selectLog(CCurveEditDlg& dialog, int list) { ASSERT_TRUE(dialog.select(list, kLogScale)); }

// ---- Limits ------------------------------------------------------------------------------------

TEST_F(CurveEditTest, DefineTakesLimitsInEitherOrder) {
  edit([&](CCurveEditDlg& dialog) {
    define(dialog, "5", "1", "-0.5", "2.25");
    EXPECT_EQ(limits(dialog.graph.x), (Limits{1.0, 5.0}));
    EXPECT_EQ(limits(dialog.graph.y), (Limits{-0.5, 2.25})) << "negative Y limits are allowed";
    EXPECT_EQ(dialog.GetDlgItemText(IDC_XMIN), " 1.000e+00");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_YMIN), "-5.000e-01");
    EXPECT_TRUE(services.boxes().empty());
  });
}

TEST_F(CurveEditTest, DefineRefusesNegativeXAndRestoresItsEdits) {
  edit([&](CCurveEditDlg& dialog) {
    define(dialog, "-1", "4", "0.25", "0.75");
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"Cannot define a negative value for scale"});
    EXPECT_EQ(services.boxes()[0].caption, "Korvena Error");
    EXPECT_EQ(services.boxes()[0].icon, ui::MB_ICONEXCLAMATION);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_XMIN), " 0.000e+00");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_XMAX), " 2.500e+00");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_YMIN), "0.25") << "the Y edits keep what was typed";
    EXPECT_EQ(dialog.graph.y.max, 1.0);
  });
}

TEST_F(CurveEditTest, DefineKeepsTheLimitsOfAnAxisGivenTwoEqualOnes) {
  edit([&](CCurveEditDlg& dialog) {
    define(dialog, "1.5", "1.5", "0.25", "0.75");
    EXPECT_EQ(limits(dialog.graph.x), (Limits{0.0, 2.5}));
    EXPECT_EQ(dialog.GetDlgItemText(IDC_XMAX), " 2.500e+00");
    EXPECT_EQ(dialog.graph.y.min, 0.25) << "the other axis is taken";
  });
}

TEST_F(CurveEditTest, DefineRefusesLimitsThatAreNoNumber) {
  edit([&](CCurveEditDlg& dialog) {
    define(dialog, "0", "1e999", "0", "1");
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"Cannot define an infinite or undefined value for scale"});
    EXPECT_EQ(dialog.graph.x.max, 2.5);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_XMAX), " 2.500e+00");
  });
}

TEST_F(CurveEditTest, DefineOnALogAxisRoundsToDecadesAndRefusesWideRanges) {
  edit([&](CCurveEditDlg& dialog) {
    selectLog(dialog, IDC_XSCALE);
    define(dialog, "0.03", "40", "0", "1");
    EXPECT_EQ(limits(dialog.graph.x), (Limits{0.01, 100.0}));
    define(dialog, "2", "150000", "0", "1");  // 1 .. 1000000: more than 100000 apart
    EXPECT_EQ(boxTexts(), std::vector<std::string>{limitsText("1.0e+01", "1.0e-05")});
    EXPECT_EQ(services.boxes()[0].caption, "Error.  GRAPH BOX Limits Exceeded");
    EXPECT_EQ(services.boxes()[0].icon, ui::MB_ICONSTOP);
    EXPECT_EQ(limits(dialog.graph.x), (Limits{0.01, 100.0}));
    EXPECT_EQ(dialog.GetDlgItemText(IDC_XMAX), " 1.000e+02");
  });
}

TEST_F(CurveEditTest, FirstSwitchToLogSetsFiveDecadesBelowOne) {
  edit([&](CCurveEditDlg& dialog) {
    selectLog(dialog, IDC_XSCALE);
    EXPECT_EQ(dialog.graph.x.log, 1);
    EXPECT_EQ(dialog.graph.x.logWarn, 1);
    EXPECT_EQ(limits(dialog.graph.x), (Limits{1e-5, 1.0}));
    EXPECT_EQ(dialog.GetDlgItemText(IDC_XMIN), " 1.000e-05");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_XMAX), " 1.000e+00");
    EXPECT_EQ(dialog.graph.y.log, 0);
    ASSERT_TRUE(dialog.select(IDC_XSCALE, kLinearScale));
    EXPECT_EQ(dialog.graph.x.log, 0);
    EXPECT_EQ(dialog.graph.x.logWarn, 0);
    define(dialog, "0.5", "2", "0", "1");
    selectLog(dialog, IDC_YSCALE);
    EXPECT_EQ(limits(dialog.graph.y), (Limits{0.0, 1.0})) << "limits defined by the user stay";
  });
}

TEST_F(CurveEditTest, RefitFitsThePointsOnLinearAndLogAxes) {
  host.setPoints({{0.3, 0.2}, {4.0, 7.5}, {70.0, 1.5}});
  edit([&](CCurveEditDlg& dialog) {
    define(dialog, "1", "2", "3", "4");
    ASSERT_TRUE(dialog.click(IDC_REFIT));
    EXPECT_EQ(limits(dialog.graph.x), (Limits{0.3, 70.0}));
    EXPECT_EQ(limits(dialog.graph.y), (Limits{0.2, 7.5}));
    selectLog(dialog, IDC_XSCALE);
    ASSERT_TRUE(dialog.click(IDC_REFIT));
    EXPECT_EQ(limits(dialog.graph.x), (Limits{0.1, 100.0}));
    EXPECT_EQ(dialog.GetDlgItemText(IDC_XMIN), " 1.000e-01");
    EXPECT_TRUE(services.boxes().empty());
  });
}

TEST_F(CurveEditTest, RefitOnALogAxisRefusesZeroAndKeepsTheLimits) {
  edit([&](CCurveEditDlg& dialog) {
    selectLog(dialog, IDC_YSCALE);  // the function starts and ends at 0
    ASSERT_TRUE(dialog.click(IDC_REFIT));
    EXPECT_EQ(boxTexts(), std::vector<std::string>{limitsText("2.5e-05", "1.0e-05")});
    EXPECT_EQ(limits(dialog.graph.y), (Limits{1e-5, 1.0}));
    EXPECT_EQ(dialog.graph.x.max, 2.5) << "the linear axis is fitted";
  });
}

TEST_F(CurveEditTest, RefitKeepsTheLimitsOfAnAxisWithoutSpread) {
  host.setPoints({{0.5, 0.75}, {1.5, 0.75}});
  edit([&](CCurveEditDlg& dialog) {
    ASSERT_TRUE(dialog.click(IDC_REFIT));
    EXPECT_EQ(limits(dialog.graph.y), (Limits{0.75, 1.5})) << "as at start: twice the value";
  });
}

// ---- Points ------------------------------------------------------------------------------------

TEST_F(CurveEditTest, NewThenInputAddsThePointInItsPlaceAndSelectsIt) {
  edit([&](CCurveEditDlg& dialog) {
    ASSERT_TRUE(dialog.click(IDC_NEW));
    EXPECT_EQ(dialog.GetDlgItemText(IDC_POINTX), " 0.000e+00");
    EXPECT_TRUE(dialog.newPointPending);
    input(dialog, "1.25", "0.875");
    EXPECT_EQ(dialog.points, (PointList{{0.0, 0.0}, {0.5, 1.0}, {1.25, 0.875}, {2.0, 1.0}, {2.5, 0.0}}));
    EXPECT_EQ(dialog.selectedPoint, 2);
    EXPECT_EQ(dialog.GetPos(IDC_SPIN), 2);
    EXPECT_EQ(dialog.control(IDC_SPIN).upper, 4);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_POINTX), " 1.250e+00");
    EXPECT_FALSE(dialog.newPointPending);
  });
}

TEST_F(CurveEditTest, NewThenInputAtAnExistingXReplacesThatPoint) {
  edit([&](CCurveEditDlg& dialog) {
    ASSERT_TRUE(dialog.upDown(IDC_SPIN, 1));  // the selected point is the second one
    addPoint(dialog, "0.5", "0.625");
    EXPECT_EQ(dialog.points, (PointList{{0.0, 0.0}, {0.5, 0.625}, {2.0, 1.0}, {2.5, 0.0}}));
    ASSERT_TRUE(dialog.click(IDC_NEW));
    input(dialog, "2.5", "0.125");  // the point at 2.5 while the second one is selected
    EXPECT_EQ(dialog.points, (PointList{{0.0, 0.0}, {0.5, 0.625}, {2.0, 1.0}, {2.5, 0.125}}));
    EXPECT_EQ(dialog.selectedPoint, 3);
    EXPECT_EQ(dialog.GetPos(IDC_SPIN), 3);
  });
}

TEST_F(CurveEditTest, InputRefusesNegativeOrUndefinedValues) {
  edit([&](CCurveEditDlg& dialog) {
    input(dialog, "0.25", "-1");
    input(dialog, "1e999", "1");
    EXPECT_EQ(boxTexts(),
              (std::vector<std::string>{"Cannot define a negative value for points",
                                        "Cannot define an infinite or undefined value for points"}));
    EXPECT_EQ(dialog.points, rampHoldRelease());
  });
}

TEST_F(CurveEditTest, EditingMovesThePointButNotTheSelection) {
  edit([&](CCurveEditDlg& dialog) {
    ASSERT_TRUE(dialog.upDown(IDC_SPIN, 1));
    input(dialog, "2.25", "0.5");
    EXPECT_EQ(dialog.points, (PointList{{0.0, 0.0}, {2.0, 1.0}, {2.25, 0.5}, {2.5, 0.0}}));
    EXPECT_EQ(dialog.selectedPoint, 1);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_POINTX), " 2.000e+00") << "the point now at 1";
    input(dialog, "2.5", "0.5");
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"Cannot define two points with the same x value"});
    input(dialog, "2", "0.75");  // its own x: accepted
    EXPECT_EQ(dialog.points[1], (CurvePoint{2.0, 0.75}));
  });
}

TEST_F(CurveEditTest, LogAxisRangeOfAPoint) {
  host.setPoints({{1.0, 0.5}, {100.0, 0.25}});
  edit([&](CCurveEditDlg& dialog) {
    selectLog(dialog, IDC_XSCALE);
    define(dialog, "1", "100", "0", "1");
    ASSERT_TRUE(dialog.click(IDC_NEW));
    EXPECT_EQ(dialog.GetDlgItemText(IDC_POINTX), " 1.000e-03");
    input(dialog, "0.001", "0.75");  // 100 / 100000: just inside
    EXPECT_EQ(dialog.points.front(), (CurvePoint{0.001, 0.75}));
    addPoint(dialog, "0.0001", "0.75");
    EXPECT_EQ(boxTexts(), std::vector<std::string>{limitsText("1.0e-03", "1.0e-05")});
    EXPECT_EQ(dialog.points.size(), 3u);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_POINTX), " 1.000e-03") << "back to the selected point";
    EXPECT_EQ(dialog.GetDlgItemText(IDC_POINTY), " 7.500e-01");
  });
}

TEST_F(CurveEditTest, TheHundredAndFirstPointIsRefused) {
  PointList full;
  for (int i = 0; i < kMaxFunctionPoints; ++i) full.push_back({0.125 * i, 1.0});
  host.setPoints(full);
  edit([&](CCurveEditDlg& dialog) {
    addPoint(dialog, "20", "0");
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"Cannot define more than 100 points"});
    EXPECT_EQ(dialog.points, full);
    ASSERT_TRUE(dialog.click(IDC_NEW));
    input(dialog, "0.25", "0.5");  // an existing x still takes its new value
    EXPECT_EQ(dialog.points[2], (CurvePoint{0.25, 0.5}));
  });
}

TEST_F(CurveEditTest, SecondPointEnablesRefitAndDeletingItDisablesIt) {
  host.setPoints({{0.5, 1.0}});
  edit([&](CCurveEditDlg& dialog) {
    EXPECT_FALSE(dialog.IsWindowEnabled(IDC_REFIT));
    addPoint(dialog, "1.5", "0.5");
    EXPECT_TRUE(dialog.IsWindowEnabled(IDC_REFIT));
    EXPECT_EQ(dialog.selectedPoint, 1);
    ASSERT_TRUE(dialog.click(IDC_DELETE));  // the last of two
    EXPECT_EQ(dialog.points, (PointList{{0.5, 1.0}}));
    EXPECT_EQ(dialog.selectedPoint, 0);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_POINTX), " 5.000e-01");
    EXPECT_FALSE(dialog.IsWindowEnabled(IDC_REFIT));
    EXPECT_FALSE(dialog.refitEnabled);
    ASSERT_TRUE(dialog.click(IDC_DELETE));
    EXPECT_TRUE(dialog.points.empty());
    EXPECT_EQ(dialog.GetDlgItemText(IDC_POINTX), " 0.000e+00");
    EXPECT_EQ(dialog.control(IDC_SPIN).upper, 0);
    ASSERT_TRUE(dialog.click(IDC_DELETE));  // nothing left: nothing happens
    ASSERT_TRUE(dialog.click(IDC_INPUT));   // editing without points: nothing happens
    EXPECT_TRUE(dialog.points.empty());
    EXPECT_TRUE(services.boxes().empty());
  });
}

TEST_F(CurveEditTest, SelectorShowsThePointItStepsTo) {
  edit([&](CCurveEditDlg& dialog) {
    ASSERT_TRUE(dialog.upDown(IDC_SPIN, dialog.arrowDelta(IDC_SPIN, true)));
    EXPECT_EQ(dialog.selectedPoint, 1);
    EXPECT_EQ(dialog.GetPos(IDC_SPIN), 1);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_POINTX), " 5.000e-01");
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(dialog.upDown(IDC_SPIN, 1));
    EXPECT_EQ(dialog.selectedPoint, 3) << "held at the last point";
    EXPECT_EQ(dialog.GetDlgItemText(IDC_POINTX), " 2.500e+00");
    ASSERT_TRUE(dialog.upDown(IDC_SPIN, dialog.arrowDelta(IDC_SPIN, false)));
    EXPECT_EQ(dialog.selectedPoint, 2);
    ASSERT_TRUE(dialog.click(IDC_NEW));  // stepping leaves the new point
    ASSERT_TRUE(dialog.upDown(IDC_SPIN, -1));
    EXPECT_FALSE(dialog.newPointPending);
    EXPECT_EQ(dialog.selectedPoint, 1);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_POINTY), " 1.000e+00");
  });
}

// ---- Log of zero -------------------------------------------------------------------------------

TEST_F(CurveEditTest, ZeroOnALogAxisIsToldOnceAndTheAxisTurnsLinear) {
  edit([&](CCurveEditDlg& dialog) {
    paint(dialog);
    selectLog(dialog, IDC_XSCALE);
    paint(dialog);
    EXPECT_EQ(boxTexts(),
              std::vector<std::string>{"Log of zero for X found!\nPlease switch to a linear X scale to "
                                       "remove or modify the point."});
    EXPECT_EQ(services.boxes()[0].caption, "Korvena Error");
    EXPECT_EQ(services.boxes()[0].icon, ui::MB_ICONEXCLAMATION);
    EXPECT_EQ(dialog.GetCurSel(IDC_XSCALE), kLinearScale);
    EXPECT_EQ(dialog.graph.x.log, 0);
    EXPECT_EQ(dialog.graph.x.logWarn, 0);
    selectLog(dialog, IDC_YSCALE);
    paint(dialog);
    paint(dialog);
    ASSERT_EQ(services.boxes().size(), 2u);
    EXPECT_EQ(services.boxes()[1].text,
              "Log of zero for Y found!\nPlease switch to a linear Y scale to remove or modify "
              "the point.");
    EXPECT_EQ(dialog.GetCurSel(IDC_YSCALE), kLinearScale);
  });
}

TEST_F(CurveEditTest, PaintShowsTheRoundedLimitsOfALogAxis) {
  host.setPoints({{0.5, 0.03}, {1.5, 40.0}});
  edit([&](CCurveEditDlg& dialog) {
    selectLog(dialog, IDC_YSCALE);
    ASSERT_TRUE(dialog.click(IDC_REFIT));
    paint(dialog);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_YMIN), " 1.000e-02");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_YMAX), " 1.000e+02");
    EXPECT_TRUE(services.boxes().empty());
  });
}

// ---- Clipboard ---------------------------------------------------------------------------------

TEST_F(CurveEditTest, CopyPutsThePointTableOnTheClipboard) {
  edit([&](CCurveEditDlg& dialog) {
    ASSERT_TRUE(dialog.focus(IDC_XSCALE));
    dialog.copy();
    ASSERT_EQ(services.clipboard().size(), 1u);
    EXPECT_EQ(services.clipboard()[0].text, "0\t0\n0.5\t1\n2\t1\n2.5\t0\n");
    EXPECT_FALSE(services.clipboard()[0].paint) << "text only";
  });
}

TEST_F(CurveEditTest, PasteReplacesThePointsAndIsAppliedLikeTypedOnes) {
  const auto data = host.dataBytes();
  const PointList pasted = {{0.0, 0.0}, {0.25, 0.5}, {1.0, 0.5}, {3.0, 0.0}};
  run([&](CCurveEditDlg& dialog) {
    ASSERT_TRUE(dialog.upDown(IDC_SPIN, 1));
    ASSERT_TRUE(dialog.click(IDC_NEW));
    services.setClipboard({.text = "t\tF\n1;0.5\n0 0\n\n3,0\n0.25\t0.5\n"});
    dialog.paste();
    EXPECT_EQ(dialog.points, pasted);
    EXPECT_EQ(dialog.selectedPoint, 0);
    EXPECT_EQ(dialog.GetPos(IDC_SPIN), 0);
    EXPECT_FALSE(dialog.newPointPending);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_POINTY), " 0.000e+00");
    ASSERT_TRUE(dialog.click(1));
  });
  EXPECT_EQ(host.dataBytes(), withResult(data, kStatusTimeApplied, &pasted));
}

TEST_F(CurveEditTest, RefusedPasteChangesNothing) {
  edit([&](CCurveEditDlg& dialog) {
    selectLog(dialog, IDC_YSCALE);
    ASSERT_TRUE(dialog.upDown(IDC_SPIN, 1));
    services.setClipboard({.text = "0.5 0.5\n1.5 1e-6\n"});
    dialog.paste();
    EXPECT_EQ(boxTexts(),
              std::vector<std::string>{"Cannot paste: line 2 lies outside the logarithmic scale limits."});
    EXPECT_EQ(services.boxes()[0].caption, "Korvena Error");
    EXPECT_EQ(dialog.points, rampHoldRelease());
    EXPECT_EQ(dialog.selectedPoint, 1);
    EXPECT_EQ(dialog.control(IDC_SPIN).upper, 3);
  });
}

TEST_F(CurveEditTest, PastingOnePointDisablesRefit) {
  edit([&](CCurveEditDlg& dialog) {
    services.setClipboard({.text = "0.75\t2\n"});
    dialog.paste();
    EXPECT_FALSE(dialog.IsWindowEnabled(IDC_REFIT));
    EXPECT_EQ(dialog.control(IDC_SPIN).upper, 0);
  });
}

}  // namespace
}  // namespace curvedit::test
