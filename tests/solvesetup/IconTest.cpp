// The application icon: its picture, and the dialog showing it as both of its icons, whether or
// not the block could be attached.
#include "platform/CommandLine.h"
#include "solvesetup/SolveSetupIcon.h"
#include "tests/solvesetup/SettingsFixture.h"

namespace solvesetup::test {
namespace {

constexpr std::uint32_t kDarkBlue = 0xFF00008Cu;
constexpr std::uint32_t kYellow = 0xFFFFFF00u;

TEST(SettingsIcon, DampedWaveInYellowOnDarkBlue) {
  solvesetup::registerIcon();
  const ui::HICON icon = ui::LoadIcon(IDR_MAINFRAME);
  ASSERT_NE(icon, nullptr) << "filed before the program starts";
  EXPECT_EQ(icon->width, 32);
  EXPECT_EQ(icon->height, 32);
  EXPECT_EQ(icon->argb, settingsIcon().argb);
  int yellow = 0;
  for (const std::uint32_t pixel : icon->argb) {
    EXPECT_EQ(pixel >> 24, 0xFFu) << "opaque";
    yellow += pixel == kYellow;
  }
  EXPECT_GT(yellow, 40);
  EXPECT_EQ(icon->pixel(4, 5), kYellow) << "the wave starts at its highest";
  EXPECT_EQ(icon->pixel(27, 6), kDarkBlue) << "and has died down near the end";
  EXPECT_EQ(icon->pixel(27, 26), kDarkBlue);
}

TEST_F(SettingsTest, InitialisationSetsTheApplicationIconLargeAndSmall) {
  solvesetup::registerIcon();
  fillFrequencyAnalysis(host.data());
  CSettingsDlg dialog;
  dialog.create();
  EXPECT_FALSE(dialog.ended());
  EXPECT_NE(dialog.GetIcon(true), nullptr);
  EXPECT_EQ(dialog.GetIcon(true), ui::LoadIcon(IDR_MAINFRAME));
  EXPECT_EQ(dialog.GetIcon(false), ui::LoadIcon(IDR_MAINFRAME));
  dialog.pressEscape();
  dialog.destroy();
}

TEST(SettingsIconWithoutBlock, DialogThatEndsAtOnceStillHasItsIcon) {
  solvesetup::registerIcon();
  ui::testing::ScriptedServices services;
  ui::ScopedServices installed(services);
  platform::setCommandLine({"/usr/bin/solvesetup"});
  CSettingsDlg dialog;
  dialog.create();
  EXPECT_TRUE(dialog.ended());
  EXPECT_EQ(dialog.modalResult(), ui::IDCANCEL);
  EXPECT_EQ(dialog.GetIcon(true), ui::LoadIcon(IDR_MAINFRAME));
  EXPECT_EQ(dialog.GetIcon(false), ui::LoadIcon(IDR_MAINFRAME));
  dialog.destroy();
}

}  // namespace
}  // namespace solvesetup::test
