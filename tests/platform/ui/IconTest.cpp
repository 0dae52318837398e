// The icon resource table, a dialog's two icons, and drawing icon pictures.
#include <gtest/gtest.h>

#include "TestDialog.h"
#include "platform/ui/IconDrawing.h"

namespace ui::test {
namespace {

constexpr std::uint32_t kBlue = 0xFF00008Cu;
constexpr std::uint32_t kYellow = 0xFFFFFF00u;

TEST(IconTable, FilesEachIdOnceAndRefusesMalformedPictures) {
  EXPECT_EQ(LoadIcon(9001), nullptr);
  ASSERT_TRUE(RegisterIcon(9001, filledIcon(2, 3, {0, 0, 140})));
  const HICON icon = LoadIcon(9001);
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->width, 2);
  EXPECT_EQ(icon->height, 3);
  EXPECT_EQ(icon->pixel(1, 2), kBlue);
  EXPECT_FALSE(RegisterIcon(9001, filledIcon(4, 4, {255, 255, 0})));
  EXPECT_EQ(LoadIcon(9001), icon) << "the first picture stays, and so does its handle";
  EXPECT_EQ(LoadIcon(9001)->pixel(0, 0), kBlue);

  EXPECT_FALSE(RegisterIcon(9002, IconImage{2, 2, {kBlue, kBlue, kBlue}})) << "a pixel short";
  EXPECT_FALSE(RegisterIcon(9003, IconImage{0, 0, {}}));
  EXPECT_FALSE(RegisterIcon(9004, IconImage{-1, -1, {kBlue}}));
  EXPECT_EQ(LoadIcon(9002), nullptr);
  EXPECT_EQ(LoadIcon(9003), nullptr);
}

struct IconRecorder : DialogObserver {
  int iconChanges = 0;
  void controlChanged(int, ControlChange) override {}
  void dialogChanged(DialogChange what) override { iconChanges += what == DialogChange::Icon; }
  void timerChanged(int, int) override {}
};

TEST(DialogIcons, LargeAndSmallAreKeptApartAndEachChangeIsReported) {
  RegisterIcon(9010, filledIcon(32, 32, {1, 2, 3}));
  RegisterIcon(9011, filledIcon(16, 16, {4, 5, 6}));
  LoggingDialog d;
  IconRecorder recorder;
  d.setObserver(&recorder);
  EXPECT_EQ(d.GetIcon(true), nullptr);
  EXPECT_EQ(d.GetIcon(false), nullptr);
  EXPECT_EQ(d.SetIcon(LoadIcon(9010), true), nullptr);
  EXPECT_EQ(d.SetIcon(LoadIcon(9011), false), nullptr);
  EXPECT_EQ(d.GetIcon(true), LoadIcon(9010));
  EXPECT_EQ(d.GetIcon(false), LoadIcon(9011));
  EXPECT_EQ(d.SetIcon(nullptr, true), LoadIcon(9010)) << "returns the icon it replaces";
  EXPECT_EQ(d.GetIcon(true), nullptr);
  EXPECT_EQ(d.GetIcon(false), LoadIcon(9011));
  EXPECT_EQ(recorder.iconChanges, 3);
  d.setObserver(nullptr);
}

TEST(IconDrawing, StrokeCoversItsLineWithBlendedEdgesAndLeavesTheRestAlone) {
  // A line 2 pixels wide at y = 4.25: row 4 (centre 4.5) lies inside, row 3 three quarters,
  // row 5 a quarter, rows 2 and 6 not at all.
  IconImage image = filledIcon(8, 8, {0, 0, 140});
  strokePolyline(image, {{0.0, 4.25}, {8.0, 4.25}}, 2.0, {255, 255, 0});
  for (int x = 0; x < 8; ++x) {
    EXPECT_EQ(image.pixel(x, 2), kBlue) << x;
    EXPECT_EQ(image.pixel(x, 3), 0xFFBFBF23u) << x;
    EXPECT_EQ(image.pixel(x, 4), kYellow) << x;
    EXPECT_EQ(image.pixel(x, 5), 0xFF404069u) << x;
    EXPECT_EQ(image.pixel(x, 6), kBlue) << x;
  }

  IconImage diagonal = filledIcon(8, 8, {0, 0, 0});
  strokePolyline(diagonal, {{0.0, 0.0}, {8.0, 8.0}}, 1.0, {255, 255, 255});
  for (int i = 0; i < 8; ++i) EXPECT_EQ(diagonal.pixel(i, i), 0xFFFFFFFFu) << i;
  EXPECT_EQ(diagonal.pixel(7, 0), 0xFF000000u);

  IconImage untouched = filledIcon(4, 4, {0, 0, 140});
  strokePolyline(untouched, {{1.0, 1.0}}, 3.0, {255, 255, 0});
  EXPECT_EQ(untouched.argb, filledIcon(4, 4, {0, 0, 140}).argb) << "one point draws nothing";
}

}  // namespace
}  // namespace ui::test
