#include "curveplot/CurveGeometry.h"

#include <cmath>

namespace curveplot {
namespace {
constexpr double kFar = 1e100;
constexpr double kSmallestSpan = 1e-16;
}  // namespace

bool isFinite(const CurveSegment& s) {
  return std::isfinite(s.x0) && std::isfinite(s.x1) && std::isfinite(s.y0) && std::isfinite(s.y1);
}

AbscissaRange normaliseAbscissa(std::vector<CurveSegment>& segments, std::size_t firstRecord) {
  double min = kFar;
  double max = -kFar;
  bool any = false;
  for (std::size_t i = firstRecord; i < segments.size(); ++i) {
    const CurveSegment& s = segments[i];
    if (!isFinite(s)) continue;
    any = true;
    if (s.x1 > max) max = s.x1;
    if (s.x0 < min) min = s.x0;
  }
  AbscissaRange range;
  if (any) {
    range.min = min;
    range.max = max;
    range.span = max - min;
    if (!(range.span >= kSmallestSpan)) range.span = 1.0;
  }
  for (CurveSegment& s : segments) {
    s.x0 = (s.x0 - range.min) / range.span;
    s.x1 = (s.x1 - range.min) / range.span;
  }
  return range;
}

std::optional<Peak> findPeak(const std::vector<CurveSegment>& segments, PeakPoints points) {
  std::optional<Peak> peak;
  double largest = -kFar;
  auto consider = [&](std::size_t index, int end, double value, double arg) {
    if (points == PeakPoints::PositiveOnly && !(value > 0.0)) return;
    if (std::fabs(value) > largest) {
      largest = std::fabs(value);
      peak = Peak{index, end, largest, value, arg};
    }
  };
  for (std::size_t i = 0; i < segments.size(); ++i) {
    const CurveSegment& s = segments[i];
    if (!isFinite(s)) continue;
    consider(i, 0, s.y0, s.x0);
    consider(i, 1, s.y1, s.x1);
  }
  return peak;
}

}  // namespace curveplot
