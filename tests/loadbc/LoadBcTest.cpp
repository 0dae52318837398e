// The pieces both load tools share: texts read from fixed-width fields, the value texts, the
// grid's columns, and the application icon.
#include <gtest/gtest.h>

#include <string>

#include "loadbc/FieldText.h"
#include "loadbc/LoadIcon.h"
#include "loadbc/LoadKinds.h"
#include "loadbc/ValueGrid.h"
#include "platform/ui/ModalRun.h"

namespace loadbc::test {
namespace {

TEST(FieldText, StopsAtTheFirstZeroOrAtTheWidth) {
  const char field[8] = {'a', 'b', '\0', 'c', 'd', 'e', 'f', 'g'};
  EXPECT_EQ(fieldText(field, 8), "ab");
  EXPECT_EQ(fieldText(field + 3, 5), "cdefg") << "no zero: the whole width and not one more";
  EXPECT_EQ(fieldText(field + 3, 4), "cdef");
  EXPECT_EQ(fieldText(field, 0), "");
  const char full[4] = {'w', 'x', 'y', 'z'};
  EXPECT_EQ(fieldText(full), "wxyz");
}

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

TEST(LoadKinds, PointsOfADistribution) {
  EXPECT_EQ(pointsOf(kUniform), 1);
  EXPECT_EQ(pointsOf(kTwoPoints), 2);
  EXPECT_EQ(pointsOf(kThreePoints), 3);
  EXPECT_EQ(pointsOf(0), 0);
  EXPECT_EQ(pointsOf(4), 0);
  EXPECT_EQ(pointsOf(-1), 0);
  EXPECT_STREQ(kLoadTypeNames[kDisplacement], "DISPLACEMENT");
}

// A dialog with a two-by-three corner of a grid and one unrelated edit.
ui::DialogTemplate gridTemplate() {
  ui::DialogTemplate t{.id = 500, .caption = "grid", .size = {200, 100}, .controls = {}};
  t.controls.push_back({1, ui::ControlKind::DefPushButton, "OK", {5, 80, 40, 14}});
  int id = 10;
  for (int p = 0; p < 3; ++p) {
    t.controls.push_back({20 + p, ui::ControlKind::Static, "", {10 + 60 * p, 5, 50, 10}});
    for (int d = 0; d < 3; ++d) {
      t.controls.push_back({id++, ui::ControlKind::Edit, "", {10 + 60 * p, 20 + 15 * d, 50, 12}});
    }
  }
  t.controls.push_back({99, ui::ControlKind::Edit, "", {5, 65, 40, 12}});
  return t;
}

constexpr GridIds kIds = {.headers = {20, 21, 22},
                          .values = {{{10, 11, 12}, {13, 14, 15}, {16, 17, 18}}}};

class GridDialog : public ui::Dialog {
 public:
  explicit GridDialog(std::optional<ui::Colours> headers)
      : ui::Dialog(gridTemplate()), grid(*this, kIds, headers) {}
  ValueGrid grid;
};

TEST(ValueGridTest, HidesTheColumnsFromTheOneGivenAndTakesOverItsControls) {
  GridDialog dialog(ui::Colours{{255, 255, 255}, {0, 0, 140}});
  ui::runHeadless(dialog, [&](ui::Dialog&) {
    dialog.grid.hideColumnsFrom(2);
    for (int p = 0; p < 3; ++p) {
      EXPECT_EQ(dialog.IsWindowVisible(kIds.headers[p]), p < 2);
      for (const int id : kIds.values[p]) {
        EXPECT_EQ(dialog.IsWindowVisible(id), p < 2) << id;
        EXPECT_EQ(dialog.control(id).fontFace, "Courier");
        EXPECT_TRUE(dialog.control(id).numericFilter);
      }
      EXPECT_EQ(dialog.control(kIds.headers[p]).ownColours,
                (ui::Colours{{255, 255, 255}, {0, 0, 140}}));
    }
    EXPECT_TRUE(dialog.IsWindowVisible(99));
    EXPECT_FALSE(dialog.control(99).numericFilter);
    dialog.grid.setHeader(1, "end.pnt");
    EXPECT_EQ(dialog.GetDlgItemText(21), "end.pnt");
    dialog.pressEnter();
  });
  GridDialog plain(std::nullopt);
  ui::runHeadless(plain, [&](ui::Dialog&) {
    plain.grid.hideColumnsFrom(3);
    EXPECT_TRUE(plain.IsWindowVisible(16));
    EXPECT_EQ(plain.control(20).ownColours, (ui::Colours{{255, 255, 0}, {0, 0, 140}}));
    plain.pressEnter();
  });
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
