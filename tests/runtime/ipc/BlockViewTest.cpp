// The view of a block's bytes: made only for an area that holds what is needed, and no read that
// reaches one byte past the area, whatever the offset and width.
#include <gtest/gtest.h>

#include <limits>

#include "runtime/ipc/BlockView.h"

namespace lyrBlocks {
namespace {

constexpr std::int64_t kHuge = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kLowest = std::numeric_limits<std::int64_t>::min();

// 24 bytes: a text with a zero inside, one that fills its field, an int32 and a double whose
// upper half reads as the int32 0x44DFE185.
struct Area {
  char name[6];
  char full[6];
  std::int32_t count;
  double value;
};
const Area kArea = {
    {'a', 'b', '\0', 'c', 'd', 'e'}, {'w', 'x', 'y', 'z', '!', '?'}, -123456789, 6.02214076e23};

TEST(BlockView, MadeOnlyForAnAreaThatHoldsWhatIsNeeded) {
  const struct {
    const void* data;
    std::int64_t size;
    std::size_t needed;
    bool made;
  } cases[] = {{&kArea, 24, 24, true},      {&kArea, 0, 0, true},
               {&kArea, 23, 24, false},     {&kArea, 24, 25, false},
               {&kArea, -1, 0, false},      {nullptr, 24, 0, false},
               {&kArea, kLowest, 0, false}, {&kArea, 24, std::numeric_limits<std::size_t>::max(), false}};
  for (const auto& c : cases) {
    const auto view = BlockView::over(c.data, c.size, c.needed);
    ASSERT_EQ(view.has_value(), c.made) << c.size << " bytes, " << c.needed << " needed";
    EXPECT_TRUE(!view || view->size() == c.size);
  }
  EXPECT_EQ(BlockView::over(&kArea, 24, 16)->copy<Area>().value, 0.0) << "past the 16 needed";
  EXPECT_EQ(BlockView::over(&kArea, 24, 16)->copy<Area>().count, -123456789);
}

TEST(BlockView, NumbersAndTextsInsideTheAreaOnly) {
  const auto view = BlockView::over(&kArea, 24, 0);
  ASSERT_TRUE(view);
  EXPECT_EQ(view->field<std::int32_t>(12), -123456789);
  EXPECT_EQ(view->field<double>(16), 6.02214076e23) << "ends exactly at the area's end";
  EXPECT_EQ(view->field<std::int32_t>(20), std::int32_t{0x44DFE185});
  for (const std::int64_t offset : {17L, 21L, 24L, -1L, -8L, kHuge, kHuge - 3, kLowest}) {
    EXPECT_FALSE(view->field<double>(offset)) << offset;
  }
  EXPECT_FALSE(BlockView::over(&kArea, 23, 0)->field<double>(16)) << "the area is the limit";

  const struct {
    std::int64_t offset;
    std::int64_t width;
    std::optional<std::string> text;
  } texts[] = {{0, 6, "ab"},
               {6, 6, "wxyz!?"},
               {6, 4, "wxyz"},
               {2, 4, ""},
               {24, 0, ""},
               {18, 6, "\x57\xca\x85\xe1\xdf\x44"},  // full, to the area's last byte
               {19, 6, std::nullopt},
               {25, 0, std::nullopt},
               {-1, 2, std::nullopt},
               {0, -1, std::nullopt},
               {kHuge, 1, std::nullopt},
               {1, kHuge, std::nullopt},
               {kLowest, kHuge, std::nullopt}};
  for (const auto& t : texts) {
    EXPECT_EQ(view->text(t.offset, t.width), t.text) << t.offset << "+" << t.width;
  }
}

TEST(FieldText, OnAPlainAddressStopsAtTheFirstZeroOrAtTheWidth) {
  EXPECT_EQ(platform::fieldText(kArea.name), "ab");
  EXPECT_EQ(platform::fieldText(kArea.full), "wxyz!?") << "no zero: the whole width and not one more";
  EXPECT_EQ(platform::fieldText(kArea.name + 3, 2), "cd");
  EXPECT_EQ(platform::fieldText(kArea.name, 0), "");
}

}  // namespace
}  // namespace lyrBlocks
