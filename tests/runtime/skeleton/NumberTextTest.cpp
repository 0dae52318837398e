#include <gtest/gtest.h>

#include <string>

#include "runtime/skeleton/NumberText.h"

namespace {

TEST(NumberText, FormatsWithThePrintfConversions) {
  EXPECT_EQ(skeleton::formatNumber("%10.3e", 2.5), " 2.500e+00");
  EXPECT_EQ(skeleton::formatNumber("%2.3f", -0.4), "-0.400");
  EXPECT_EQ(skeleton::formatText("%d. Value of 'dt' (%10.4e) is less than (%10.4e)", 2, 0.5, -0.75),
            "2. Value of 'dt' (5.0000e-01) is less than (-7.5000e-01)");
}

TEST(NumberText, LongTextsAreNeverCut) {
  const std::string word(300, 'w');
  EXPECT_EQ(skeleton::formatText("<%s>", word.c_str()), "<" + word + ">");
  EXPECT_EQ(skeleton::formatNumber("%.2f", 1e300).size(), 304u);
  EXPECT_EQ(skeleton::formatText("%s", ""), "");
}

TEST(NumberText, ReadsTheLeadingNumberLikeAtof) {
  EXPECT_EQ(skeleton::readNumber(" 1.25e+01"), 12.5);
  EXPECT_EQ(skeleton::readNumber("-3.5abc"), -3.5);
  EXPECT_EQ(skeleton::readNumber("abc"), 0.0);
}

}  // namespace
