#include <gtest/gtest.h>

#include "runtime/skeleton/NumberText.h"

namespace {

TEST(NumberText, FormatsWithThePrintfConversions) {
  EXPECT_EQ(skeleton::formatNumber("%10.3e", 2.5), " 2.500e+00");
  EXPECT_EQ(skeleton::formatNumber("%2.3f", -0.4), "-0.400");
}

TEST(NumberText, ReadsTheLeadingNumberLikeAtof) {
  EXPECT_EQ(skeleton::readNumber(" 1.25e+01"), 12.5);
  EXPECT_EQ(skeleton::readNumber("-3.5abc"), -3.5);
  EXPECT_EQ(skeleton::readNumber("abc"), 0.0);
}

}  // namespace
