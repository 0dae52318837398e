#include "curvedit/PointTable.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

#include "curvedit/FunctionBlocks.h"
#include "curvedit/PointRules.h"
#include "platform/FormatText.h"
#include "runtime/skeleton/NumberText.h"

namespace curvedit {
namespace {
using platform::formatText;

constexpr const char* kSeparators = "\t ,;\r";

std::vector<std::string> tokensOf(const std::string& line) {
  std::vector<std::string> tokens;
  std::size_t start = line.find_first_not_of(kSeparators);
  while (start != std::string::npos) {
    const std::size_t end = line.find_first_of(kSeparators, start);
    tokens.push_back(line.substr(start, end - start));
    start = line.find_first_not_of(kSeparators, end);
  }
  return tokens;
}

// The token as a finite number, when all of it is one.
std::optional<double> numberOf(const std::string& token) {
  char* end = nullptr;
  const double value = std::strtod(token.c_str(), &end);
  if (end == token.c_str() || *end != '\0' || !std::isfinite(value)) return std::nullopt;
  return value;
}

PastedTable refused(std::string error) { return {{}, std::move(error)}; }

// Why the pasted point on this line cannot join the points read before it; empty if it can.
std::string ruleBroken(const CurvePoint& point, int line, const PointList& before,
                       const std::vector<int>& linesBefore, const Axis& x, const Axis& y) {
  if (!isPointValue(point.x) || !isPointValue(point.y)) {
    return formatText("Cannot paste: line %d holds a negative value.", line);
  }
  if (!fitsAxes(x, y, point)) {
    return formatText("Cannot paste: line %d lies outside the logarithmic scale limits.", line);
  }
  const int same = indexOfX(before, point.x);
  if (same >= 0) {
    return formatText("Cannot paste: line %d repeats the x value of line %d.", line,
                      linesBefore[static_cast<std::size_t>(same)]);
  }
  if (before.size() >= static_cast<std::size_t>(kMaxFunctionPoints)) {
    return formatText("Cannot paste: more than %d points.", kMaxFunctionPoints);
  }
  return {};
}
}  // namespace

std::string pointTableText(const PointList& points) {
  std::string text;
  for (const CurvePoint& p : points) text += formatText("%.17g\t%.17g\n", p.x, p.y);
  return text;
}

PastedTable readPointTable(const std::string& text, const Axis& x, const Axis& y) {
  PointList points;
  std::vector<int> lines;
  bool firstLine = true;
  int lineNumber = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::vector<std::string> tokens = tokensOf(text.substr(start, end - start));
    start = end + 1;
    ++lineNumber;
    if (tokens.empty()) continue;
    const bool isFirst = firstLine;
    firstLine = false;
    std::optional<double> first;
    std::optional<double> second;
    if (tokens.size() == 2) {
      first = numberOf(tokens[0]);
      second = numberOf(tokens[1]);
    }
    if (!first || !second) {
      bool anyNumber = false;
      for (const std::string& token : tokens) anyNumber = anyNumber || numberOf(token).has_value();
      if (isFirst && !anyNumber) continue;  // a header
      return refused(formatText("Cannot paste: line %d is not a pair of numbers.", lineNumber));
    }
    const CurvePoint point{*first, *second};
    std::string broken = ruleBroken(point, lineNumber, points, lines, x, y);
    if (!broken.empty()) return refused(std::move(broken));
    points.push_back(point);
    lines.push_back(lineNumber);
  }
  if (points.empty()) return refused("Cannot paste: the clipboard holds no points.");
  sortByX(points);
  return {std::move(points), {}};
}

}  // namespace curvedit
