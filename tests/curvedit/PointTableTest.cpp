// The point table as clipboard text: copied at full precision, pasted under the rules of typed
// points, refused whole with one message.
#include <gtest/gtest.h>

#include <string>

#include "curvedit/PointTable.h"

namespace curvedit::test {
namespace {

const Axis kLinear{0.0, 1.0, 0, 0};

TEST(PointTable, CopiesOneTabbedLinePerPointAtFullPrecision) {
  EXPECT_EQ(pointTableText({{0.0, 0.0}, {0.1, 1.0 / 3.0}, {2.5, 1e-7}}),
            "0\t0\n0.10000000000000001\t0.33333333333333331\n2.5\t9.9999999999999995e-08\n");
  EXPECT_EQ(pointTableText({}), "");
}

TEST(PointTable, CopiedTextPastesBackToTheSamePoints) {
  const PointList points = {{0.1, 1.0 / 3.0}, {0.7, 2.0 / 3.0}, {1.3, 0.0}};
  const PastedTable table = readPointTable(pointTableText(points), kLinear, kLinear);
  EXPECT_EQ(table.error, "");
  EXPECT_EQ(table.points, points);
}

TEST(PointTable, HeaderBlankLinesAndEverySeparator) {
  const PastedTable table =
      readPointTable("time [s]\tload\r\n\n2.5;0\r\n0.5, 1.25\n  1.75   1e0\n\n0\t0\n", kLinear, kLinear);
  EXPECT_EQ(table.error, "");
  EXPECT_EQ(table.points, (PointList{{0.0, 0.0}, {0.5, 1.25}, {1.75, 1.0}, {2.5, 0.0}}));
}

TEST(PointTable, RefusesTheWholePasteWithOneMessage) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "Cannot paste: the clipboard holds no points."},
      {"x\ty\n\n", "Cannot paste: the clipboard holds no points."},
      {"0 0\nx y\n", "Cannot paste: line 2 is not a pair of numbers."},
      {"1.0 abc\n2 2\n", "Cannot paste: line 1 is not a pair of numbers."},
      {"0 0\n1 2 3\n", "Cannot paste: line 2 is not a pair of numbers."},
      {"0 0\n1\n", "Cannot paste: line 2 is not a pair of numbers."},
      {"0 0\n1 inf\n", "Cannot paste: line 2 is not a pair of numbers."},
      {"0 0\n\n1 nan\n", "Cannot paste: line 3 is not a pair of numbers."},
      {"0 0\n1 -0.5\n", "Cannot paste: line 2 holds a negative value."},
      {"0 0\n0.5 1\n0.5 2\n", "Cannot paste: line 3 repeats the x value of line 2."},
  };
  for (const auto& [text, message] : cases) {
    const PastedTable table = readPointTable(text, kLinear, kLinear);
    EXPECT_EQ(table.error, message) << text;
    EXPECT_TRUE(table.points.empty()) << text;
  }
}

TEST(PointTable, PointsOutsideALogAxisAreRefused) {
  const Axis logX{1.0, 100.0, 1, 1};  // admits 0.001 .. 100000
  EXPECT_EQ(readPointTable("0.001 0\n100000 1\n", logX, kLinear).error, "");
  EXPECT_EQ(readPointTable("0.001 0\n0.0001 1\n", logX, kLinear).error,
            "Cannot paste: line 2 lies outside the logarithmic scale limits.");
  EXPECT_EQ(readPointTable("1 0\n", kLinear, logX).error,
            "Cannot paste: line 1 lies outside the logarithmic scale limits.");
}

TEST(PointTable, AtMostOneHundredPoints) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += std::to_string(i * 0.25) + "\t1\n";
  EXPECT_EQ(readPointTable(text, kLinear, kLinear).points.size(), 100u);
  EXPECT_EQ(readPointTable(text + "25.5\t0\n", kLinear, kLinear).error,
            "Cannot paste: more than 100 points.");
}

}  // namespace
}  // namespace curvedit::test
