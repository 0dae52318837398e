#include "curveplot/LinearValueAxis.h"

#include <algorithm>
#include <cmath>

namespace curveplot {
namespace {
constexpr double kNoValue = 2.220446049250313e-16;  // 2^-52
constexpr double kNarrowest = 0.01;
constexpr double kWidening = 1.7;

double finiteOrZero(double value) { return std::isfinite(value) ? value : 0.0; }
}  // namespace

LinearValueAxis linearValueAxis(double valueTop, double valueBottom) {
  double top = finiteOrZero(valueTop);
  double bottom = finiteOrZero(valueBottom);
  if (std::fabs(top) < kNoValue && std::fabs(bottom) < kNoValue) {
    top = 1.0;
    bottom = 0.0;
  }
  LinearValueAxis axis;
  const double largest = std::max(std::fabs(top), std::fabs(bottom));
  const double decade = std::log10(largest);
  axis.exponent = static_cast<int>(largest >= 1.0 ? std::floor(decade) : std::ceil(decade) - 1.0);
  axis.scale = std::pow(10.0, axis.exponent);
  top /= axis.scale;
  bottom /= axis.scale;
  if (top - bottom < kNarrowest) {
    if (std::fabs(bottom) < std::fabs(top)) {
      bottom = 0.0;
      top *= kWidening;
    } else {
      top = 0.0;
      bottom *= kWidening;
    }
  }
  axis.top = top;
  axis.bottom = bottom;
  axis.span = top - bottom;
  return axis;
}

}  // namespace curveplot
