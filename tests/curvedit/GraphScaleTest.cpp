// The axis arithmetic: scale exponents, log rounding and label shortening.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "curvedit/GraphScale.h"

namespace curvedit::test {
namespace {

TEST(ScaleExponent, ThePowerOfTenOfTheLargerLimit) {
  struct Case {
    double min, max;
    int exponent;
  };
  const Case cases[] = {
      {0.0, 2500.0, 3},  {0.0, 1.0, 0},
      {-0.5, 0.2, -1},   {0.0, 0.05, -2},
      {-3.0, 3.0, 0},    {-40.0, 7.0, 1},
      {0.0, 999.9, 2},   {0.0, 0.0, 0},
      {0.0, 1e300, 300}, {0.0, std::numeric_limits<double>::infinity(), 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(scaleExponent(c.min, c.max), c.exponent) << c.min << " .. " << c.max;
  }
}

TEST(RoundLogAxis, WholeDecadesOutwards) {
  Axis axis{0.03, 40.0, 1, 1};
  EXPECT_EQ(roundLogAxis(axis), 5);
  EXPECT_EQ(axis.min, 0.01);
  EXPECT_EQ(axis.max, 100.0);
  Axis exact{1.0, 1000.0, 1, 1};
  EXPECT_EQ(roundLogAxis(exact), 4);
  EXPECT_EQ(exact.min, 1.0);
  EXPECT_EQ(exact.max, 1000.0);
}

TEST(RoundLogAxis, AtMostFiveDecades) {
  Axis axis{2e-9, 70.0, 1, 1};
  EXPECT_EQ(roundLogAxis(axis), 6);
  EXPECT_EQ(axis.max, 100.0);
  EXPECT_EQ(axis.min, 100.0 / kLogRange);
}

TEST(RoundLogAxis, LimitsNoLogarithmTakesStillGiveAnAxis) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    double min, max, shownMin, shownMax;
    int lines;
  };
  const Case cases[] = {
      {0.0, 10.0, 1e-4, 10.0, 6},     {-5.0, -1.0, 1e-5, 1.0, 6}, {3.0, 3.0, 1.0, 10.0, 2},
      {100.0, 100.0, 10.0, 100.0, 2}, {nan, nan, 1e-5, 1.0, 6},   {50.0, 2.0, 1.0, 10.0, 2},
  };
  for (const Case& c : cases) {
    Axis axis{c.min, c.max, 1, 1};
    EXPECT_EQ(roundLogAxis(axis), c.lines) << c.min << " .. " << c.max;
    EXPECT_DOUBLE_EQ(axis.min, c.shownMin) << c.min << " .. " << c.max;
    EXPECT_DOUBLE_EQ(axis.max, c.shownMax) << c.min << " .. " << c.max;
  }
}

TEST(ShortenExponent, ThreeExponentDigitsBecomeTwo) {
  const std::pair<std::string, std::string> cases[] = {
      {"1.0e+002", "1.0e+02"}, {"1.0e-002", "1.0e-02"},  {"2.500E+003", "2.500E+03"}, {"7.5E-010", "7.5E-10"},
      {"1.0e+02", "1.0e+02"},  {"1.0e+100", "1.0e+100"}, {"12.0e0", "12.0e0"},        {"100000", "100000"},
      {"1e002", "1e002"},      {"0.000", "0.000"},
  };
  for (const auto& [text, shortened] : cases) EXPECT_EQ(ShortenExponent(text), shortened) << text;
}

TEST(TruncatePixel, TowardsZeroAndHeldAtTheFarEdges) {
  EXPECT_EQ(truncatePixel(130.97), 130);
  EXPECT_EQ(truncatePixel(-3.7), -3);
  EXPECT_EQ(truncatePixel(1e12), 1000000);
  EXPECT_EQ(truncatePixel(-std::numeric_limits<double>::infinity()), -1000000);
  EXPECT_EQ(truncatePixel(std::numeric_limits<double>::quiet_NaN()), -1000000);
}

}  // namespace
}  // namespace curvedit::test
