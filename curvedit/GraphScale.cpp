#include "curvedit/GraphScale.h"

#include <algorithm>
#include <cmath>

namespace curvedit {
namespace {
constexpr double kFarPixel = 1000000.0;
}  // namespace

int scaleExponent(double min, double max) {
  const double low = std::fabs(min);
  const double high = std::fabs(max);
  const double v = high > low ? high : low;
  if (!std::isfinite(v) || v == 0.0) return 0;
  if (v > 1.0) return static_cast<int>(std::floor(std::log10(v)));
  if (v != 1.0) return static_cast<int>(std::ceil(std::log10(v))) - 1;
  return 0;
}

int roundLogAxis(Axis& axis) {
  const bool usableTop = std::isfinite(axis.max) && axis.max > 0.0;
  const double top = usableTop ? std::pow(10.0, std::ceil(std::log10(axis.max))) : 1.0;
  double bottom = axis.min > 0.0 ? std::pow(10.0, std::floor(std::log10(axis.min))) : 0.0;
  if (top / kLogRange > bottom) bottom = top / kLogRange;
  if (!(bottom < top)) bottom = top / 10.0;
  axis.max = top;
  axis.min = bottom;
  return decadeOf(top) - decadeOf(bottom) + 1;
}

int decadeOf(double value) { return static_cast<int>(std::lround(std::log10(value))); }

std::string ShortenExponent(const std::string& text) {
  const std::size_t n = text.size();
  if (n < 6 || text[n - 3] != '0') return text;
  for (const char* marker : {"e+", "e-", "E-", "E+"}) {
    const std::size_t p = text.find(marker);
    if (p != std::string::npos) return text.substr(0, p + 2) + text.substr(n - 2);
  }
  return text;
}

int truncatePixel(double value) {
  if (!(value > -kFarPixel)) return static_cast<int>(-kFarPixel);
  if (!(value < kFarPixel)) return static_cast<int>(kFarPixel);
  return static_cast<int>(value);
}

}  // namespace curvedit
