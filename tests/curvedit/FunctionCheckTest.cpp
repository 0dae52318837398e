// The checks of APPLY: the active range of a function and every failure message, numbered.
#include <gtest/gtest.h>

#include <string>

#include "curvedit/FunctionCheck.h"

namespace curvedit::test {
namespace {

FunctionContext timeContext(double minTimeStep) { return {0, minTimeStep, 0.0}; }
FunctionContext frequencyContext(double highest) { return {1, 0.0, highest}; }

std::string failures(const PointList& points, const FunctionContext& context) {
  std::string text = "left over";
  const int result = ValidateFunction(points, context, text);
  EXPECT_EQ(result, text.empty() ? 1 : 0);
  return text;
}

TEST(ActiveRange, RiseAndFallBetweenPoints) {
  const ActiveRange range = activeRange({{0.0, 0.0}, {1.0, 1.0}, {2.0, 0.0}});
  EXPECT_EQ(range.start, 0.0);
  EXPECT_EQ(range.end, 2.0);
}

TEST(ActiveRange, PositiveEndsReachTheOuterPoints) {
  // Falls to zero at 1.5 and rises again from 3.25, but starts and ends above zero.
  const ActiveRange range = activeRange({{0.5, 2.0}, {1.5, 0.0}, {3.25, 0.0}, {4.0, 1.0}});
  EXPECT_EQ(range.start, 0.5);
  EXPECT_EQ(range.end, 4.0);
}

TEST(ActiveRange, ZeroEverywhereSpansEveryPoint) {
  const ActiveRange range = activeRange({{0.25, 0.0}, {0.75, 0.0}, {1.5, 0.0}});
  EXPECT_EQ(range.start, 0.25);
  EXPECT_EQ(range.end, 1.5);
}

// The end counts any value above 0 as active, the start only values above 1e-16.
TEST(ActiveRange, EndAndStartUseDifferentZeroLevels) {
  const ActiveRange tail = activeRange({{0.0, 0.0}, {1.0, 1.0}, {2.0, 5e-17}, {4.0, 5e-17}});
  EXPECT_EQ(tail.end, 4.0) << "5e-17 at the last point is above 0";
  const ActiveRange head = activeRange({{1.0, 5e-17}, {2.0, 1.0}, {3.0, 0.0}});
  EXPECT_EQ(head.start, 1.0) << "the rise from 5e-17, not the first point's value";
  const ActiveRange late = activeRange({{1.0, 5e-17}, {2.0, 5e-17}, {3.0, 1.0}, {4.0, 0.0}});
  EXPECT_EQ(late.start, 2.0);
}

TEST(ValidateFunction, NoPointsIsTheOnlyMessage) {
  EXPECT_EQ(failures({}, timeContext(0.01)), "1. Values of function were not defined.\n");
  EXPECT_EQ(failures({}, frequencyContext(20.0)), "1. Values of function were not defined.\n");
}

TEST(ValidateFunction, TimeFunctionMustSpanTheTimeStep) {
  const PointList points = {{0.0, 0.0}, {1.0, 1.0}, {2.0, 0.0}};
  EXPECT_EQ(failures(points, timeContext(1.5)), "");
  EXPECT_EQ(failures(points, timeContext(2.0)), "") << "exactly the step";
  EXPECT_EQ(failures(points, timeContext(2.5)), "1. Value of 'dt' (2.0000e+00) is less than (2.5000e+00)");
}

TEST(ValidateFunction, TimeFunctionOfZeroesOrOnePointIsNotDefined) {
  EXPECT_EQ(failures({{0.25, 0.0}, {0.75, 0.0}}, timeContext(0.1)),
            "1. Values of time function were not defined.\n");
  EXPECT_EQ(failures({{0.25, 3.0}}, timeContext(0.1)),
            "1. Values of time function were not defined.\n"
            "2. Value of 'dt' (0.0000e+00) is less than (1.0000e-01)");
}

// 2e-16 is a value for a time function (above 1e-16) but not for a frequency function (below
// the machine epsilon).
TEST(ValidateFunction, TinyValuesAreDefinedForTimeButNotForFrequency) {
  const PointList points = {{1.0, 0.0}, {2.0, 2e-16}, {3.0, 0.0}};
  EXPECT_EQ(failures(points, timeContext(1.0)), "");
  EXPECT_EQ(failures(points, frequencyContext(10.0)), "1. Values of frequency function were not defined.\n");
}

TEST(ValidateFunction, FrequencyRangeBeyondTwiceTheHighestNaturalFrequency) {
  const PointList points = {{2.0, 0.0}, {5.0, 1.0}, {40.0, 1.0}, {60.0, 0.0}};
  EXPECT_EQ(failures(points, frequencyContext(30.0)), "") << "60 is exactly twice 30";
  EXPECT_EQ(failures(points, frequencyContext(25.0)),
            "1. Value of maximal frequency (6.0000e+01) is more\n"
            "   than double highest natural frequency (5.0000e+01).\n");
}

TEST(ValidateFunction, FrequencyRangeStartingAboveTheHighestNaturalFrequency) {
  const PointList points = {{30.0, 0.0}, {32.5, 1.0}, {40.0, 0.0}};
  EXPECT_EQ(failures(points, frequencyContext(29.5)),
            "1. Value of minimal frequency (3.0000e+01) is more\n"
            "   than highest natural frequency (2.9500e+01).\n");
}

TEST(ValidateFunction, SeveralFailuresAreNumberedInOrder) {
  EXPECT_EQ(failures({{60.0, 0.0}}, frequencyContext(25.0)),
            "1. Values of frequency function were not defined.\n"
            "2. Value of minimal frequency (6.0000e+01) is more\n"
            "   than highest natural frequency (2.5000e+01).\n"
            "3. Value of maximal frequency (6.0000e+01) is more\n"
            "   than double highest natural frequency (5.0000e+01).\n");
}

}  // namespace
}  // namespace curvedit::test
