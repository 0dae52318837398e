// The rules OK enforces, on rows of types and texts.
#include <gtest/gtest.h>

#include "loadbc/LoadKinds.h"
#include "loadentry/LoadRules.h"

namespace loadentry::test {
namespace {

using loadbc::ValueTexts;

// Direction 1 a displacement whose only non-zero value is in column 3, direction 2 a total
// force, direction 3 a displacement of zeros in every spelling.
ValueTexts rows() {
  ValueTexts texts;
  texts[0] = {" 0.0000e+00", "2", "0"};
  texts[1] = {"", "-0.5", "-0.0"};
  texts[2] = {"1e-300", "abc", "0e5"};
  return texts;
}

TEST(LoadRules, NonZeroIsWhatAtofReadsInAnyColumn) {
  const ValueTexts texts = rows();
  EXPECT_TRUE(anyNonZeroOfType({1, 2, 1}, texts, 1)) << "1e-300 in column 3 of direction 1";
  ValueTexts zeros = texts;
  zeros[2][0] = "0.0";
  EXPECT_FALSE(anyNonZeroOfType({1, 2, 1}, zeros, 1));
  EXPECT_TRUE(anyNonZeroOfType({1, 2, 1}, zeros, 2)) << "direction 2 holds 2";
  EXPECT_FALSE(anyNonZeroOfType({0, 0, 0}, texts, 1));
}

TEST(LoadRules, AnyOfTypeLooksAtEveryDirection) {
  EXPECT_TRUE(anyOfType({0, 0, 2}, 2));
  EXPECT_FALSE(anyOfType({0, 1, -1}, 2));
  EXPECT_TRUE(anyOfType({-1, 1, 0}, -1));
}

TEST(LoadRules, ClearingTouchesOnlyTheDirectionsOfTheType) {
  DirectionTypes types = {1, 2, 1};
  ValueTexts texts = rows();
  clearDirectionsOfType(types, texts, 1);
  EXPECT_EQ(types, (DirectionTypes{0, 2, 0}));
  for (int p = 0; p < 3; ++p) {
    EXPECT_EQ(texts[p][0], " 0.0000e+00");
    EXPECT_EQ(texts[p][1], rows()[p][1]);
    EXPECT_EQ(texts[p][2], " 0.0000e+00");
  }
}

}  // namespace
}  // namespace loadentry::test
