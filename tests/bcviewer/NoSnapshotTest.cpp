// Without a usable copy of the block the dialog has nothing to show: the reason is on the
// standard error stream and the application opens no window.
#include <gtest/gtest.h>

#include "bcviewer/BcViewerResources.h"
#include "bcviewer/CBcViewerApp.h"
#include "platform/CommandLine.h"
#include "platform/ui/ModalRun.h"
#include "platform/ui/testing/ScriptedServices.h"
#include "runtime/array/InjectedFailures.h"
#include "runtime/array/TrackedMemory.h"
#include "tests/bcviewer/InfoBlock.h"
#include "tests/support/BlockBytes.h"

namespace bcviewer::test {
namespace {

class NoSnapshotTest : public testing::Test {
 protected:
  // Runs the application's dialog on the current command line: no copy, no window, exit code
  // 1, and nothing said to the user. Returns what was written to the standard error stream.
  std::string expectNoSnapshot() {
    testing::internal::CaptureStderr();
    EXPECT_EQ(ui::runMainDialog(&CBcViewerApp::CreateMainDialog), 1);
    EXPECT_TRUE(services.modalRuns().empty());
    EXPECT_TRUE(services.boxes().empty());
    return testing::internal::GetCapturedStderr();
  }

  ui::testing::ScriptedServices services;
  ui::ScopedServices installed{services};
};

TEST_F(NoSnapshotTest, NoKeyWord) {
  platform::setCommandLine({"/usr/bin/bcviewer", "-stat"});
  EXPECT_NE(expectNoSnapshot().find("Key not found"), std::string::npos);
}

TEST_F(NoSnapshotTest, NoMappingUnderTheKey) {
  platform::setCommandLine({"/usr/bin/bcviewer", "/SHMKEY:kvinfoNoSuchKey", "-dyn"});
  EXPECT_NE(expectNoSnapshot().find("lyrIpc: Can not attach shared memory."), std::string::npos);
}

// One byte short of the layout: the copy is dropped with a line that names both sizes, and the
// block is let go as for any copy.
TEST_F(NoSnapshotTest, CopyShorterThanTheLayout) {
  InfoBlock block(twoPointPressure(), 506);
  const auto before = block.snapshot();
  block.launch({"-dyn"});
  EXPECT_EQ(expectNoSnapshot(), "bcviewer: the block holds 506 bytes, fewer than the 507 of its layout.\n");
  EXPECT_TRUE(testsupport::sameBytes(block.snapshot(), before));
  EXPECT_EQ(block.header().attachCount, 0);
}

TEST_F(NoSnapshotTest, NoMemoryForTheCopy) {
  InfoBlock block(twoPointPressure());
  block.launch({"-stat"});
  // A process's first tracked block also grows the allocation table: have that done, so that
  // the count below sees only the registry's allocation (let through) and the copy's (failed).
  lyrMemFree(lyrMemAlloc(2, 1, 1));
  lyrTesting::failRawAllocations(1);
  EXPECT_NE(expectNoSnapshot().find("lyrIpc: Can not allocate memory. Not sufficient resources."),
            std::string::npos);
  EXPECT_EQ(block.header().attachCount, 0);
}

TEST_F(NoSnapshotTest, CopyOfExactlyTheLayoutIsShown) {
  InfoBlock block(twoPointPressure(), 507);
  block.launch();
  services.onModal(IDD_LOAD_INFO, [](ui::Dialog& d) { d.pressEnter(); });
  testing::internal::CaptureStderr();
  EXPECT_EQ(ui::runMainDialog(&CBcViewerApp::CreateMainDialog), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(services.modalRuns().size(), 1u);
}

}  // namespace
}  // namespace bcviewer::test
