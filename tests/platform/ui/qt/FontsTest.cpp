// The faces the tools draw in, from Debian's fonts-wine and fonts-liberation2: the template font
// with the original platform's base units, the number edits' Courier, the device context's
// System font, and the "Ariel" of the labels in Arial's (or, fixed pitch, Courier New's) metrics.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>

#include "platform/ui/qt/QtFonts.h"

namespace {

using namespace ui::qt;

TEST(TemplateFonts, DialogCourierAndSystemFontsHaveTheOriginalMetrics) {
  ASSERT_TRUE(templateFontsLoaded()) << "install fonts-wine";
  const QFont dialog = dialogFont("MS Sans Serif", 8);
  EXPECT_EQ(QFontInfo(dialog).family(), "MS Sans Serif");
  EXPECT_EQ(baseUnitsOf(dialog), (ui::BaseUnits{6, 13}));  // 323 pixels for the 52 letters
  EXPECT_EQ(QFontMetrics(dialog).horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"), 323);
  const QFont courier = controlFont("Courier", dialog);
  EXPECT_EQ(QFontInfo(courier).family(), "Courier");
  EXPECT_EQ(QFontMetrics(courier).horizontalAdvance("-1.2500e+03"), 11 * 8);
  EXPECT_EQ(controlFont("", dialog), dialog);
  const QFont system = paintFont("", 0, false, false);  // the device context's default
  EXPECT_EQ(QFontInfo(system).family(), "System");
  EXPECT_EQ(QFontMetrics(system).height(), 16);
  EXPECT_EQ(baseUnitsOf(system), (ui::BaseUnits{8, 16}));
}

// A painter's height is the cell's (ascent and descent): the largest size that fits in it.
TEST(TemplateFonts, ArielIsLiberationSansOrMonoInTheLargestSizeThatFitsTheCell) {
  struct Case {
    bool fixedPitch;
    int cell;
    const char* family;
  };
  for (const Case& c : {Case{true, 14, "Liberation Mono"}, Case{false, 14, "Liberation Sans"},
                        Case{false, 12, "Liberation Sans"}}) {
    QFont font = paintFont("Ariel", c.cell, c.fixedPitch, false);
    EXPECT_EQ(QFontInfo(font).family(), c.family) << c.cell;
    EXPECT_LE(QFontMetrics(font).height(), c.cell) << c.family;
    font.setPixelSize(font.pixelSize() + 1);
    EXPECT_GT(QFontMetrics(font).height(), c.cell) << c.family << " one pixel larger no longer fits";
  }
}

}  // namespace
