// What the dialog does without a usable "DATA" block: it says so, ends at once and leaves every
// block it could see as the host wrote it.
#include "platform/CommandLine.h"
#include "tests/solvesetup/SettingsFixture.h"
#include "tests/support/AttachFailure.h"

namespace solvesetup::test {
namespace {

class AttachFailureTest : public testing::Test {
 protected:
  // Runs the dialog on the current command line; the script must never run.
  void runExpectingFailure() {
    CSettingsDlg dialog;
    EXPECT_TRUE(dialog.attachFailed());
    testsupport::expectEndsWithAttachMessage(dialog, services);
  }

  ui::testing::ScriptedServices services;
  ui::ScopedServices installed{services};
};

TEST_F(AttachFailureTest, NoTagArgument) {
  platform::setCommandLine({"/usr/bin/solvesetup"});
  runExpectingFailure();
}

TEST_F(AttachFailureTest, NoMappingUnderTheKey) {
  platform::setCommandLine({"/usr/bin/solvesetup", "/TAG:DATA:SM:kvsolveNoSuchKey"});
  testing::internal::CaptureStderr();
  runExpectingFailure();
  EXPECT_NE(testing::internal::GetCapturedStderr().find("lyrIpc: Can not attach shared memory."),
            std::string::npos);
}

TEST_F(AttachFailureTest, OtherTagOnly) {
  SettingsBlock host;
  fillFrequencyAnalysis(host.data());
  platform::setCommandLine({"/usr/bin/solvesetup", "/TAG:INFO:SM:" + host.key()});
  runExpectingFailure();
  EXPECT_EQ(host.header().attachCount, 0) << "the block of the unused tag is let go";
  EXPECT_EQ(host.header().attachedMark, 1);
}

// A block named for a tag the tool does not read is let go at once; the "DATA" block is kept
// until ACCEPT.
TEST(AttachTest, ABlockOfAnotherTagBesideDataIsLetGoAtOnce) {
  SettingsBlock host, other;
  fillFrequencyAnalysis(host.data());
  platform::setCommandLine(
      {"/usr/bin/solvesetup", "/TAG:INFO:SM:" + other.key(), "/TAG:DATA:SM:" + host.key()});
  ui::testing::ScriptedServices services;
  ui::ScopedServices installed{services};
  CSettingsDlg dialog;
  ASSERT_FALSE(dialog.attachFailed());
  EXPECT_EQ(other.header().attachCount, 0);
  EXPECT_EQ(host.header().attachCount, 1);
  ui::runHeadless(dialog, [](ui::Dialog& shown) { shown.click(ui::IDOK); });
  EXPECT_EQ(host.header().attachCount, 0);
  EXPECT_EQ(host.data().accepted, 1);
}

TEST_F(AttachFailureTest, FileKindsAttachNothing) {
  for (const char* kind : {"FT", "FB"}) {
    SettingsBlock host;
    fillFrequencyAnalysis(host.data());
    const auto before = host.snapshot();
    host.launchWith(kind);
    runExpectingFailure();
    EXPECT_EQ(host.snapshot(), before);
    EXPECT_EQ(host.header().attachedMark, 0) << kind;
    services = {};
  }
}

TEST_F(AttachFailureTest, ShortBlockIsDetachedUnread) {
  SettingsBlock host(static_cast<int>(kDynamicSettingsMinSize) - 1);
  const auto before = host.snapshot();
  host.launchWith();
  runExpectingFailure();
  EXPECT_EQ(host.snapshot(), before);
  EXPECT_EQ(host.header().attachCount, 0);
  EXPECT_EQ(host.header().attachedMark, 1) << "it was attached, then let go";
}

// The "DATA" block attached before a later argument failed is let go too.
TEST_F(AttachFailureTest, DataBlockBeforeAFailingArgumentIsDetached) {
  SettingsBlock host;
  fillFrequencyAnalysis(host.data());
  const auto before = host.snapshot();
  platform::setCommandLine(
      {"/usr/bin/solvesetup", "/TAG:DATA:SM:" + host.key(), "/TAG:INFO:SM:kvsolveNoSuchKey"});
  testing::internal::CaptureStderr();
  runExpectingFailure();
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(host.snapshot(), before);
  EXPECT_EQ(host.header().attachCount, 0);
}

}  // namespace
}  // namespace solvesetup::test
