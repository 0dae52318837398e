#include <gtest/gtest.h>

#include <string>

#include "platform/FormatText.h"

namespace {

TEST(FormatText, WritesEveryConversionAndNeverCuts) {
  EXPECT_EQ(platform::formatText("%d. Value of 'dt' (%10.4e) is less than (%10.4e)", 2, 0.5, -0.75),
            "2. Value of 'dt' (5.0000e-01) is less than (-7.5000e-01)");
  EXPECT_EQ(platform::formatText(" %3lld%%  %lld/%d frames", 7LL, -12LL, 3), "   7%  -12/3 frames");
  const std::string word(300, 'w');
  EXPECT_EQ(platform::formatText("<%s>", word.c_str()), "<" + word + ">");
  EXPECT_EQ(platform::formatText("%.2f", 1e300).size(), 304u);
  EXPECT_EQ(platform::formatText("%s", ""), "");
}

}  // namespace
