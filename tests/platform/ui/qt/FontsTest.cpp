// The faces the tools draw in, from Debian's fonts-wine and fonts-liberation2: the template font
// with the original platform's base units, the number edits' Courier, the device context's
// System font, and the "Ariel" of the labels in Arial's (or, fixed pitch, Courier New's) metrics.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/ui/qt/QtFonts.h"

namespace {

using namespace ui::qt;

TEST(TemplateFonts, EachFaceHasThePlatformsFamilyAndMetrics) {
  ASSERT_TRUE(templateFontsLoaded()) << "install fonts-wine";
  const QFont dialog = dialogFont("MS Sans Serif", 8);
  EXPECT_EQ(controlFont("", dialog), dialog);
  struct Case {
    QFont font;
    const char* family;
    int cell;            // ascent and descent: a painter's height is the largest that fits it
    ui::BaseUnits base;  // {0, 0}: not checked
  } const cases[] = {
      {dialog, "MS Sans Serif", 13, {6, 13}},  // 323 pixels for the 52 letters
      {controlFont("Courier", dialog), "Courier", 13, {8, 13}},
      {paintFont("", 0, false, false), "System", 16, {8, 16}},  // the device context's default
      {paintFont("Ariel", 14, true, false), "Liberation Mono", 14, {0, 0}},
      {paintFont("Ariel", 12, false, false), "Liberation Sans", 12, {0, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(QFontInfo(c.font).family(), c.family);
    EXPECT_LE(QFontMetrics(c.font).height(), c.cell) << c.family;
    if (c.base.x != 0) {
      EXPECT_EQ(baseUnitsOf(c.font), c.base) << c.family;
    } else {
      QFont larger = c.font;
      larger.setPixelSize(c.font.pixelSize() + 1);
      EXPECT_GT(QFontMetrics(larger).height(), c.cell) << c.family << " one pixel larger no longer fits";
    }
  }
}

// Without fonts-wine the tools still draw, in DejaVu, and say once why their dialogs look wider.
TEST(TemplateFonts, MissingFontPackageIsNotedOnceOnStandardError) {
  const std::filesystem::path nowhere = std::filesystem::temp_directory_path() / "korvena-no-fonts";
  std::filesystem::create_directories(nowhere);
  ::setenv("XDG_DATA_DIRS", nowhere.c_str(), 1);
  ::setenv("XDG_DATA_HOME", nowhere.c_str(), 1);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(templateFontsLoaded());
  EXPECT_FALSE(templateFontsLoaded());
  const std::string said = ::testing::internal::GetCapturedStderr();
  const std::string note = "note: the fonts of Debian's fonts-wine are not installed";
  ASSERT_NE(said.find(note), std::string::npos) << said;
  EXPECT_EQ(said.find(note, said.find(note) + 1), std::string::npos) << "noted twice: " << said;
  EXPECT_EQ(QFontInfo(dialogFont("MS Sans Serif", 8)).family(), "DejaVu Sans");
}

}  // namespace
