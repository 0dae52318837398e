#include "curvedit/FunctionCheck.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/FormatText.h"
#include "runtime/skeleton/NumberText.h"

namespace curvedit {
namespace {
using platform::formatText;

// Values at or below this count as zero where the function rises or falls.
constexpr double kZeroLevel = 1e-16;
constexpr double kMachineEpsilon = 2.220446049250313e-16;

double largestMagnitude(const PointList& points) {
  double largest = 0.0;
  for (const CurvePoint& p : points) largest = std::max(largest, std::fabs(p.y));
  return largest;
}
}  // namespace

ActiveRange activeRange(const PointList& points) {
  const std::size_t n = points.size();
  const bool allZero = largestMagnitude(points) == 0.0;
  ActiveRange range{std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()};
  for (std::size_t i = 0; i + 1 < n; ++i) {
    const double here = points[i].y;
    const double next = points[i + 1].y;
    if (next > kZeroLevel && here < kZeroLevel) range.start = std::min(range.start, points[i].x);
    if (here > kZeroLevel && next < kZeroLevel) range.end = std::max(range.end, points[i + 1].x);
  }
  if (points.front().y > kZeroLevel || allZero) range.start = points.front().x;
  if (points.back().y > 0.0 || allZero) range.end = points.back().x;
  return range;
}

int ValidateFunction(const PointList& points, const FunctionContext& context, std::string& errorText) {
  errorText.clear();
  if (points.empty()) {
    errorText = formatText("%d. Values of function were not defined.\n", 1);
    return 0;
  }
  const double maxAbs = largestMagnitude(points);
  const ActiveRange range = activeRange(points);
  const bool tooFew = points.size() < 2;
  int failures = 0;
  if (context.frequencyFunction == 0) {
    if (maxAbs < kZeroLevel || tooFew) {
      errorText += formatText("%d. Values of time function were not defined.\n", ++failures);
    }
    const double span = range.end - range.start;
    if (span < context.minTimeStep) {
      errorText += formatText("%d. Value of 'dt' (%10.4e) is less than (%10.4e)", ++failures, span,
                              context.minTimeStep);
    }
  } else {
    const double highest = context.highestNaturalFrequency;
    if (maxAbs < kMachineEpsilon || tooFew) {
      errorText += formatText("%d. Values of frequency function were not defined.\n", ++failures);
    }
    if (range.start > highest) {
      errorText += formatText("%d. Value of minimal frequency (%10.4e) is more\n", ++failures, range.start);
      errorText += formatText("   than highest natural frequency (%10.4e).\n", highest);
    }
    if (range.end > 2.0 * highest) {
      errorText += formatText("%d. Value of maximal frequency (%10.4e) is more\n", ++failures, range.end);
      errorText += formatText("   than double highest natural frequency (%10.4e).\n", 2.0 * highest);
    }
  }
  return failures == 0 ? 1 : 0;
}

}  // namespace curvedit
