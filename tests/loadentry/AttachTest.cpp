// What the input dialog does without a usable block: it says so, ends at once and leaves the
// block as the host wrote it; and what it says when the block will not detach at the end.
#include <limits>

#include "platform/CommandLine.h"
#include "platform/Mapping.h"
#include "tests/loadentry/LoadEntryFixture.h"
#include "tests/support/AttachFailure.h"

namespace loadentry::test {
namespace {

class AttachFailureTest : public testing::Test {
 protected:
  // Runs the dialog on the current command line; the script must never run.
  void runExpectingFailure() {
    CLoadBcInputDlg dialog;
    EXPECT_TRUE(dialog.attachFailed());
    testsupport::expectEndsWithAttachMessage(dialog, services);
  }

  // A block the dialog attaches, finds wanting and lets go unread.
  void expectRefused(InputBlock& block) {
    const Bytes before = block.snapshot();
    block.launch();
    runExpectingFailure();
    EXPECT_TRUE(testsupport::sameBytes(block.snapshot(), before));
    EXPECT_EQ(block.header().attachCount, 0);
    EXPECT_EQ(block.header().attachedMark, 1) << "it was attached, then let go";
  }

  ui::testing::ScriptedServices services;
  ui::ScopedServices installed{services};
};

TEST_F(AttachFailureTest, NoKeyWord) {
  platform::setCommandLine({"/usr/bin/loadentry", "-dyn"});
  testing::internal::CaptureStderr();
  runExpectingFailure();
  EXPECT_NE(testing::internal::GetCapturedStderr().find("Key not found"), std::string::npos);
}

TEST_F(AttachFailureTest, NoMappingUnderTheKey) {
  platform::setCommandLine({"/usr/bin/loadentry", "/SHMKEY:kvloadNoSuchKey"});
  testing::internal::CaptureStderr();
  runExpectingFailure();
  EXPECT_NE(testing::internal::GetCapturedStderr().find("lyrIpc: Can not attach shared memory."),
            std::string::npos);
}

TEST_F(AttachFailureTest, BlockShorterThanItsFixedPart) {
  InputBlock block(0, -1);
  expectRefused(block);
}

// Two entries of room: a count of 3, below 0 or far beyond is refused, whether a function applies
// or not (kind -1); a count of 2 fits exactly either way.
TEST_F(AttachFailureTest, FunctionCountMustFitTheBlock) {
  for (const int kind : {1, -1}) {
    for (const int count : {3, -1, 1 << 30, 1782086428, std::numeric_limits<int>::max()}) {
      SCOPED_TRACE(testing::Message() << "kind " << kind << ", count " << count);
      InputBlock block(2);
      fillThreePointLoad(block);
      block.data().functionKind = kind;
      block.data().functionCount = count;
      expectRefused(block);
    }
  }
  InputBlock fits(2);
  fillThreePointLoad(fits);
  fits.launch();
  EXPECT_FALSE(CLoadBcInputDlg().attachFailed());
  fits.data().functionKind = -1;
  EXPECT_FALSE(CLoadBcInputDlg().attachFailed());
  EXPECT_EQ(fits.header().attachCount, 0);
  EXPECT_TRUE(services.boxes().empty());
}

TEST_F(LoadEntryTest, DetachFailureIsReportedAfterTheStatusWasWritten) {
  const Bytes before = host.snapshot();
  CLoadBcInputDlg dialog;
  ui::runHeadless(dialog, [](ui::Dialog& d) {
    platform::failNext(platform::MappingOp::Close);
    d.pressEscape();
  });
  platform::clearFailures();
  ASSERT_EQ(services.boxes().size(), 1u);
  EXPECT_EQ(services.boxes()[0].text, "Cannot detach shared memory segment.");
  EXPECT_EQ(services.boxes()[0].caption, "ERROR");
  expectOnlyStatus(before, 0);
}

}  // namespace
}  // namespace loadentry::test
