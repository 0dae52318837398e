// The dialog without a usable block (it says so, ends at once and leaves the block as the host
// wrote it), a block that will not detach, and the application icon.
#include "platform/CommandLine.h"
#include "platform/Mapping.h"
#include "tests/convset/ConvergenceFixture.h"

namespace convset::test {
namespace {

class AttachFailureTest : public testing::Test {
 protected:
  // Runs the dialog on the current command line; the dialog must never be shown. Returns what
  // it wrote on the standard error stream.
  std::string runExpectingFailure() {
    convset::registerIcon();
    testing::internal::CaptureStderr();
    {
      CConvergenceDlg dialog;
      EXPECT_TRUE(dialog.attachFailed());
      const int result =
          ui::runHeadless(dialog, [](ui::Dialog&) { ADD_FAILURE() << "the dialog was shown"; });
      EXPECT_EQ(result, ui::IDCANCEL);
      EXPECT_EQ(dialog.GetIcon(true), ui::LoadIcon(IDR_MAINFRAME)) << "the icon is set anyway";
    }
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_EQ(services.boxes().size(), 1u);
    if (!services.boxes().empty()) {
      EXPECT_EQ(services.boxes()[0].text, "Cannot attach shared memory segment.");
      EXPECT_EQ(services.boxes()[0].caption, "ERROR");
    }
    return written;
  }

  ui::testing::ScriptedServices services;
  ui::ScopedServices installed{services};
};

TEST_F(AttachFailureTest, NoKeyWord) {
  platform::setCommandLine({"/usr/bin/convset", "-stat", "/shmkey:kvconv"});
  EXPECT_NE(runExpectingFailure().find("Key not found"), std::string::npos);
}

TEST_F(AttachFailureTest, NoMappingUnderTheKey) {
  platform::setCommandLine({"/usr/bin/convset", "/SHMKEY:" + uniqueKey("kvconvnone")});
  EXPECT_NE(runExpectingFailure().find("lyrIpc: Can not attach shared memory."), std::string::npos);
}

TEST_F(AttachFailureTest, BlockOneByteShortIsLetGoUnreadAndUnwritten) {
  ConvergenceHost host(static_cast<int>(kConvergenceBlockSize) - 1);
  const auto before = host.snapshot();
  host.launch();
  EXPECT_EQ(runExpectingFailure(), "convset: the block holds 259 bytes, fewer than the 260 of its layout\n");
  EXPECT_EQ(host.snapshot(), before);
  EXPECT_EQ(host.header().attachCount, 0);
  EXPECT_EQ(host.header().attachedMark, 1) << "it was attached, then let go";
}

// A block of exactly the layout's length is enough.
TEST_F(ConvergenceTest, BlockOfExactlyTheLayoutsLength) {
  ConvergenceHost exact(static_cast<int>(kConvergenceBlockSize));
  fillAnalysis(exact.data(), kStructural);
  exact.launch();
  CConvergenceDlg dialog;
  EXPECT_FALSE(dialog.attachFailed());
  EXPECT_EQ(
      ui::runHeadless(dialog,
                      [](ui::Dialog& d) {
                        ASSERT_TRUE(d.upDown(IDC_LEVEL_MAX_SPIN, d.arrowDelta(IDC_LEVEL_MAX_SPIN, true)));
                        d.pressEnter();
                      }),
      ui::IDOK);
  EXPECT_EQ(exact.data().levelMax, 11);
  EXPECT_EQ(exact.header().attachCount, 0);
}

class DetachFailureTest : public ConvergenceTest, public testing::WithParamInterface<int> {
 protected:
  ~DetachFailureTest() override { platform::clearFailures(); }
};

// The block is written before it is let go; the dialog still ends with its result.
TEST_P(DetachFailureTest, IsReportedAndTheDialogEndsAnyway) {
  const int button = GetParam();
  testing::internal::CaptureStderr();
  const int result = run(kStructural, [button](CConvergenceDlg& dialog) {
    platform::failNext(platform::MappingOp::Close);
    ASSERT_TRUE(dialog.click(button));
  });
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(result, button);
  ASSERT_EQ(services.boxes().size(), 1u);
  EXPECT_EQ(services.boxes()[0].text, "Cannot detach shared memory segment.");
  EXPECT_EQ(services.boxes()[0].caption, "ERROR");
  EXPECT_EQ(host.data().mainSelected, button == ui::IDOK ? 1 : -1);
}

INSTANTIATE_TEST_SUITE_P(AcceptAndCancel, DetachFailureTest, testing::Values(ui::IDOK, ui::IDCANCEL));

TEST_F(ConvergenceTest, InitialisationSetsTheApplicationIconLargeAndSmall) {
  convset::registerIcon();
  run(kStructural, [](CConvergenceDlg& dialog) {
    ASSERT_NE(ui::LoadIcon(IDR_MAINFRAME), nullptr) << "filed before the program starts";
    EXPECT_EQ(dialog.GetIcon(true), ui::LoadIcon(IDR_MAINFRAME));
    EXPECT_EQ(dialog.GetIcon(false), ui::LoadIcon(IDR_MAINFRAME));
    dialog.pressEscape();
  });
}

}  // namespace
}  // namespace convset::test
