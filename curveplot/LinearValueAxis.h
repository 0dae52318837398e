// The value axis of curveplot: linear, its ends divided by a power of ten so that the larger one
// lies between 1 and 10, widened when the range is too narrow to draw.
#pragma once

namespace curveplot {

struct LinearValueAxis {
  int exponent = 0;     // the axis shows values x 10^exponent
  double scale = 1.0;   // 10^exponent
  double bottom = 0.0;  // lower end, scaled (the base line)
  double top = 1.0;     // upper end, scaled
  double span = 1.0;    // top - bottom, never 0

  // A value in result units on the axis: 0 at the base line, 1 at the top.
  double normalised(double value) const { return (value / scale - bottom) / span; }
  // The value label i of 0..5, from the base line up.
  double label(int i) const { return i * span / 5 + bottom; }
};

// The axis for the host's valueTop and valueBottom (non-finite ones read as 0): both below 2^-52
// in magnitude give 0 to 1; a range below 0.01 after scaling keeps the end of larger magnitude,
// times 1.7, and puts the other at 0.
LinearValueAxis linearValueAxis(double valueTop, double valueBottom);

}  // namespace curveplot
