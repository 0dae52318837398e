// The editing dialog on real blocks: what it reads and shows at start, what APPLY and CANCEL
// write (the whole blocks compared before and after), the About box, and the refusal of blocks
// it cannot use.
#include "platform/CommandLine.h"
#include "tests/curvedit/CurveEditFixture.h"
#include "tests/support/AttachFailure.h"

namespace curvedit::test {
namespace {

TEST_F(CurveEditTest, StartShowsTheFunctionItsLimitsAndTheFirstPoint) {
  curvedit::registerIcon();
  edit([&](CCurveEditDlg& dialog) {
    EXPECT_EQ(dialog.GetDlgItemText(IDC_CAPTION), "TIME function : Ramp hold release");
    EXPECT_EQ(dialog.context.frequencyFunction, 0);
    EXPECT_EQ(dialog.context.minTimeStep, 0.01);
    EXPECT_EQ(dialog.context.highestNaturalFrequency, 24.5);
    EXPECT_EQ(dialog.points, rampHoldRelease());
    EXPECT_EQ(dialog.GetDlgItemText(IDC_XMIN), " 0.000e+00");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_XMAX), " 2.500e+00");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_YMIN), " 0.000e+00");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_YMAX), " 1.000e+00");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_POINTX), " 0.000e+00");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_XSCALE), "LINEAR");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_YSCALE), "LINEAR");
    EXPECT_EQ(dialog.control(IDC_SPIN).lower, 0);
    EXPECT_EQ(dialog.control(IDC_SPIN).upper, 3);
    EXPECT_TRUE(dialog.IsWindowEnabled(IDC_REFIT));
    EXPECT_EQ(dialog.graph.graphRect, (ui::Rect{5, 141, 545, 345}));
    EXPECT_EQ(dialog.GetIcon(true), ui::LoadIcon(IDR_MAINFRAME));
    EXPECT_EQ(dialog.GetIcon(false), ui::LoadIcon(IDR_MAINFRAME));
    EXPECT_EQ(dialog.control(IDC_XMIN).fontFace, "Courier");
  });
}

TEST_F(CurveEditTest, OnePointSpansFromItselfToTwiceItself) {
  struct Case {
    CurvePoint point;
    double xMin, xMax, yMin, yMax;
  };
  const Case cases[] = {
      {{0.75, 1.5}, 0.75, 1.5, 1.5, 3.0},
      {{0.0, 0.0}, 0.0, 1.0, 0.0, 1.0},
      {{-2.0, -0.5}, -2.0, 0.0, -0.5, 0.0},
  };
  for (const Case& c : cases) {
    host.setPoints({c.point});
    edit([&](CCurveEditDlg& dialog) {
      EXPECT_EQ(limits(dialog.graph.x), (Limits{c.xMin, c.xMax}));
      EXPECT_EQ(limits(dialog.graph.y), (Limits{c.yMin, c.yMax}));
      EXPECT_FALSE(dialog.IsWindowEnabled(IDC_REFIT));
      EXPECT_EQ(dialog.control(IDC_SPIN).upper, 0);
    });
  }
}

TEST_F(CurveEditTest, EqualValuesOnAnAxisAreSpreadToTwiceOrToOne) {
  host.setPoints({{0.0, 2.0}, {0.5, 2.0}, {1.25, 2.0}});
  edit([&](CCurveEditDlg& dialog) {
    EXPECT_EQ(limits(dialog.graph.y), (Limits{2.0, 4.0}));
    EXPECT_EQ(dialog.graph.x.max, 1.25);
  });
  host.setPoints({});
  edit([&](CCurveEditDlg& dialog) {
    EXPECT_EQ(dialog.graph.x.max, 1.0);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_POINTY), " 0.000e+00");
    EXPECT_EQ(dialog.control(IDC_SPIN).upper, 0);
  });
}

TEST_F(CurveEditTest, ApplyWritesStatusAndPointsAndNothingElse) {
  const auto info = host.infoBytes();
  const auto data = host.dataBytes();
  PointList edited = rampHoldRelease();
  edited.insert(edited.begin() + 2, {1.25, 0.875});
  const int result = run([&](CCurveEditDlg& dialog) {
    addPoint(dialog, "1.25", "0.875");
    ASSERT_TRUE(dialog.click(1));
  });
  EXPECT_EQ(result, ui::IDOK);
  EXPECT_TRUE(services.boxes().empty());
  EXPECT_EQ(host.infoBytes(), info);
  EXPECT_EQ(host.dataBytes(), withResult(data, kStatusTimeApplied, &edited));
  EXPECT_EQ(host.data().pointCount, 5);
}

TEST_F(CurveEditTest, ApplyOfFewerPointsLeavesTheHostsLaterPoints) {
  const auto data = host.dataBytes();
  const PointList kept = {{0.0, 0.0}, {0.5, 1.0}, {2.5, 0.0}};
  run([&](CCurveEditDlg& dialog) {
    ASSERT_TRUE(dialog.upDown(IDC_SPIN, 1));
    ASSERT_TRUE(dialog.upDown(IDC_SPIN, 1));
    ASSERT_TRUE(dialog.click(IDC_DELETE));
    ASSERT_TRUE(dialog.click(1));
  });
  EXPECT_EQ(host.dataBytes(), withResult(data, kStatusTimeApplied, &kept));
  EXPECT_EQ(host.data().abscissa[3], 2.5) << "the host's fourth point stays";
}

TEST_F(CurveEditTest, FrequencyFunctionIsAppliedWithStatusOne) {
  const PointList points = {{2.0, 0.0}, {5.0, 1.0}, {40.0, 1.0}};
  host.frequencyFunction(points);
  const auto data = host.dataBytes();
  run([&](CCurveEditDlg& dialog) {
    EXPECT_EQ(dialog.GetDlgItemText(IDC_CAPTION), "FREQUENCY function : Ramp hold release");
    ASSERT_TRUE(dialog.click(1));
  });
  EXPECT_EQ(host.dataBytes(), withResult(data, kStatusFrequencyApplied, &points));
}

TEST_F(CurveEditTest, FailedChecksShowTheNumberedListAndWriteNothing) {
  host.info().minTimeStep = 3.0;
  const auto info = host.infoBytes();
  const auto data = host.dataBytes();
  const int result = run([&](CCurveEditDlg& dialog) {
    ASSERT_TRUE(dialog.click(1));
    EXPECT_TRUE(dialog.running());
    EXPECT_EQ(host.dataBytes(), data);
    dialog.pressEscape();
  });
  EXPECT_EQ(result, ui::IDCANCEL);
  ASSERT_EQ(services.boxes().size(), 1u);
  EXPECT_EQ(services.boxes()[0].text, "1. Value of 'dt' (2.5000e+00) is less than (3.0000e+00)");
  EXPECT_EQ(services.boxes()[0].caption, "Korvena Error");
  EXPECT_EQ(services.boxes()[0].icon, ui::MB_ICONEXCLAMATION);
  EXPECT_EQ(host.infoBytes(), info);
  EXPECT_EQ(host.dataBytes(), withResult(data, kStatusCancelled, nullptr));
}

TEST_F(CurveEditTest, CancelWritesOnlyTheStatusWhateverWasEdited) {
  const auto info = host.infoBytes();
  const auto data = host.dataBytes();
  for (const auto& close :
       {std::function<void(CCurveEditDlg&)>([](CCurveEditDlg& d) { ASSERT_TRUE(d.click(2)); }),
        std::function<void(CCurveEditDlg&)>([](CCurveEditDlg& d) { d.closeBox(); })}) {
    const int result = run([&](CCurveEditDlg& dialog) {
      ASSERT_TRUE(dialog.click(IDC_DELETE));
      input(dialog, "0.1", "0.3");
      close(dialog);
    });
    EXPECT_EQ(result, ui::IDCANCEL);
    EXPECT_EQ(host.infoBytes(), info);
    EXPECT_EQ(host.dataBytes(), withResult(data, kStatusCancelled, nullptr));
  }
}

TEST_F(CurveEditTest, AboutBoxFromTheSystemMenu) {
  for (int run = 0; run < 2; ++run) {
    services.onModal(IDD_ABOUTBOX, [](ui::Dialog& about) {
      EXPECT_EQ(about.GetWindowText(), "About curvedit");
      about.pressEnter();
    });
  }
  edit([&](CCurveEditDlg& dialog) {
    const std::vector<ui::MenuItem> menu = {{0, ""}, {0x0010, "&About curvedit..."}};
    EXPECT_EQ(dialog.systemMenu(), menu);
    ASSERT_TRUE(dialog.systemCommand(0x0010));
    ASSERT_TRUE(dialog.systemCommand(0x0013));  // the same item, low bits aside
    ASSERT_TRUE(dialog.systemCommand(0x0020));  // not ours: nothing
    EXPECT_TRUE(dialog.running());
  });
  EXPECT_EQ(services.modalRuns(), (std::vector<int>{IDD_ABOUTBOX, IDD_ABOUTBOX}));
}

// ---- Blocks the dialog cannot use ---------------------------------------------------------------

class RefusedBlocks : public testing::Test {
 protected:
  // Runs the dialog on the current command line: it must say so and end before it shows.
  void expectRefused() {
    CCurveEditDlg dialog;
    EXPECT_TRUE(dialog.attachFailed());
    testsupport::expectEndsWithAttachMessage(dialog, services);
    services = {};
  }
  // The blocks are as the host wrote them and nothing holds them.
  void expectUntouched(FunctionHost& host, const std::vector<unsigned char>& info,
                       const std::vector<unsigned char>& data) {
    EXPECT_EQ(host.infoBytes(), info);
    EXPECT_EQ(host.dataBytes(), data);
    EXPECT_EQ(host.infoBlock().header().attachCount, 0);
    EXPECT_EQ(host.dataBlock().header().attachCount, 0);
  }

  ui::testing::ScriptedServices services;
  ui::ScopedServices installed{services};
};

TEST_F(RefusedBlocks, MissingTags) {
  FunctionHost host;
  host.timeFunction(rampHoldRelease());
  platform::setCommandLine({"/usr/bin/curvedit", "/TAG:DATA:SM:" + host.dataBlock().key()});
  expectRefused();
  platform::setCommandLine({"/usr/bin/curvedit", "/TAG:INFO:SM:" + host.infoBlock().key()});
  expectRefused();
  platform::setCommandLine({"/usr/bin/curvedit"});
  expectRefused();
  EXPECT_EQ(host.dataBlock().header().attachCount, 0);
  EXPECT_EQ(host.infoBlock().header().attachCount, 0);
}

TEST_F(RefusedBlocks, FileKindsAndMissingMappings) {
  FunctionHost host;
  host.timeFunction(rampHoldRelease());
  const auto info = host.infoBytes();
  const auto data = host.dataBytes();
  for (const char* kind : {"FT", "FB"}) {
    host.launch("SM", kind);
    expectRefused();
    host.launch(kind, "SM");
    expectRefused();
  }
  platform::setCommandLine(
      {"/usr/bin/curvedit", "/TAG:INFO:SM:" + host.infoBlock().key(), "/TAG:DATA:SM:kvcurveNoSuchKey"});
  testing::internal::CaptureStderr();
  expectRefused();
  EXPECT_NE(testing::internal::GetCapturedStderr().find("lyrIpc: Can not attach shared memory."),
            std::string::npos);
  expectUntouched(host, info, data);
}

TEST_F(RefusedBlocks, BlocksShorterThanTheirFields) {
  FunctionHost shortInfo(static_cast<int>(kFunctionInfoMinSize) - 1);
  shortInfo.data().pointCount = 2;
  shortInfo.launch();
  expectRefused();
  EXPECT_EQ(shortInfo.infoBlock().header().attachCount, 0);
  EXPECT_EQ(shortInfo.infoBlock().header().attachedMark, 1) << "attached, then let go unread";
  FunctionHost shortData(static_cast<int>(kFunctionInfoSize), static_cast<int>(kFunctionDataSize) - 1);
  const auto data = shortData.dataBytes();
  shortData.launch();
  expectRefused();
  EXPECT_EQ(shortData.dataBytes(), data);
  EXPECT_EQ(shortData.dataBlock().header().attachCount, 0);
}

TEST_F(RefusedBlocks, PointCountsTheBlockCannotHold) {
  for (const int count : {-1, kMaxFunctionPoints + 1, 1 << 30}) {
    FunctionHost host;
    host.timeFunction(rampHoldRelease());
    host.data().pointCount = count;
    const auto info = host.infoBytes();
    const auto data = host.dataBytes();
    host.launch();
    expectRefused();
    expectUntouched(host, info, data);
  }
}

// The shortest INFO block: its title is the one byte at its end, here no zero: an empty title.
TEST_F(RefusedBlocks, ShortestUsableBlocksAreRead) {
  FunctionHost host(static_cast<int>(kFunctionInfoMinSize));
  host.data().pointCount = kMaxFunctionPoints;
  host.launch();
  CCurveEditDlg dialog;
  EXPECT_FALSE(dialog.attachFailed());
  EXPECT_EQ(dialog.caption, std::string(1, static_cast<char>(kHostByte)) + " " +
                                std::string(40, static_cast<char>(kHostByte)));
  EXPECT_EQ(dialog.points.size(), 100u);
  EXPECT_EQ(dialog.context.frequencyFunction, 1);
}

TEST_F(RefusedBlocks, BlocksOfOtherTagsAreLetGo) {
  FunctionHost host;
  host.timeFunction(rampHoldRelease());
  HostBlock other(64, 0, uniqueKey("kvcurveo"));
  host.launch("SM", "SM", {"/TAG:LINE:SM:" + other.key()});
  {
    CCurveEditDlg dialog;
    EXPECT_FALSE(dialog.attachFailed());
    EXPECT_EQ(other.header().attachCount, 0);
    EXPECT_EQ(other.header().attachedMark, 1);
    EXPECT_EQ(host.dataBlock().header().attachCount, 1);
  }
  EXPECT_EQ(host.dataBlock().header().attachCount, 0) << "released with the dialog";
  EXPECT_EQ(host.infoBlock().header().attachCount, 0);
}

}  // namespace
}  // namespace curvedit::test
