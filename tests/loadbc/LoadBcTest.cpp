// The pieces both load tools share: the value texts and the application icon. The grid itself
// is tested through both tools' dialogs.
#include <gtest/gtest.h>

#include <string>

#include "loadbc/LoadIcon.h"
#include "loadbc/ValueGrid.h"

namespace loadbc::test {
namespace {

TEST(ValueTexts, FormattedAndReadBackByPoint) {
  const double values[3][3] = {{-0.00012345, 98765.4321, 0.5}, {1e-320, -7.0, 1e300}, {}};
  ValueTexts texts;
  texts[2] = {"x", "y", "z"};
  formatPoint(texts, values, 0);
  formatPoint(texts, values, 1);
  EXPECT_EQ(texts[0][0], "-1.2345e-04");
  EXPECT_EQ(texts[0][1], " 9.8765e+04");
  EXPECT_EQ(texts[1][0], "9.9999e-321") << "three exponent digits fill the whole width";
  EXPECT_EQ(texts[1][2], "1.0000e+300");
  EXPECT_EQ(texts[2][0], "x") << "a point not asked for is left alone";

  double read[3][3] = {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}};
  texts[1] = {"-7.25", "", "4e"};
  storePoint(read, texts, 1);
  EXPECT_EQ(read[1][0], -7.25);
  EXPECT_EQ(read[1][1], 0.0);
  EXPECT_EQ(read[1][2], 4.0);
  EXPECT_EQ(read[0][0], 1.0);
  EXPECT_EQ(read[2][2], 3.0);
}

TEST(LoadIconTest, ArrowsInYellowOverAGreyBeamOnDarkBlue) {
  const ui::IconImage icon = loadIcon();
  ASSERT_TRUE(icon.valid());
  EXPECT_EQ(icon.width, 32);
  EXPECT_EQ(icon.height, 32);
  for (const std::uint32_t pixel : icon.argb) EXPECT_EQ(pixel >> 24, 0xFFu) << "opaque";
  EXPECT_EQ(icon.pixel(3, 2), 0xFF00008Cu) << "background";
  EXPECT_EQ(icon.pixel(13, 22), 0xFF969696u) << "the beam between two arrows";
  EXPECT_EQ(icon.pixel(26, 12), 0xFFFFFF00u) << "the longest arrow";
  EXPECT_EQ(icon.pixel(5, 8), 0xFF00008Cu) << "above the shortest arrow";
  EXPECT_EQ(icon.pixel(26, 8), 0xFFFFFF00u) << "the load grows to the right";
}

}  // namespace
}  // namespace loadbc::test
