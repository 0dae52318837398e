#include "curvedit/PointRules.h"

#include <cmath>

namespace curvedit {

bool fitsAxis(const Axis& axis, double value) {
  if (!axis.log) return true;
  return value > 0.0 && value >= axis.max / kLogRange && value <= axis.min * kLogRange;
}

bool fitsAxes(const Axis& x, const Axis& y, const CurvePoint& point) {
  return fitsAxis(x, point.x) && fitsAxis(y, point.y);
}

bool isPointValue(double value) { return std::isfinite(value) && value >= 0.0; }

}  // namespace curvedit
