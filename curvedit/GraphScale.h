// The arithmetic of the graph box's axes, without drawing: limits, decades, label texts.
#pragma once

#include <string>

namespace curvedit {

// One axis of the graph box.
struct Axis {
  double min = 0.0;
  double max = 1.0;
  int log = 0;      // logarithmic, base 10
  int logWarn = 0;  // a "log of zero" warning may still be given for this axis
};

// The power of ten that the linear Y labels are divided by: the exponent of the larger
// magnitude of the two limits (0 for limits of magnitude 1, 0 or beyond any number).
int scaleExponent(double min, double max);

// The decades at most shown on a logarithmic axis.
inline constexpr double kLogRange = 100000.0;

// Rounds the limits of a logarithmic axis outwards to whole decades and keeps at most five
// decades (the lower limit is raised). Returns the number of grid lines: one per decade plus one.
// Limits no logarithm can take are replaced: a maximum that is not a positive number becomes 1,
// and the axis always shows at least one decade.
int roundLogAxis(Axis& axis);

// The whole number of the power of ten nearest to a positive value.
int decadeOf(double value);

// Shortens a three-digit exponent to two digits: "1.0e+002" becomes "1.0e+02". Texts of fewer
// than six characters, or whose third character from the end is not '0', stay as they are.
std::string ShortenExponent(const std::string& text);

// A pixel coordinate from a real one, truncated towards zero; values no window can hold (or no
// number at all) are held at the far edge of the coordinate range.
int truncatePixel(double value);

}  // namespace curvedit
