// The value axis of curveplotb: logarithmic, whole decades from bottomDecade on the base line up
// to topDecade, at most five of them; and the curve's values mapped to pixel heights on it.
#pragma once

#include <optional>
#include <vector>

#include "curveplot/CurveBlocks.h"

namespace curveplot {

inline constexpr int kMostDecades = 5;

struct DecadeAxis {
  double topDecade = 0.0;      // a whole number
  double bottomDecade = -1.0;  // a whole number below topDecade

  int decades() const { return static_cast<int>(topDecade - bottomDecade); }
  // Ticks per decade, the decade line included: 11 for one decade, 6 for two, else 5.
  int ticksPerDecade() const;
};

// The axis for the host's valueTop and valueBottom: topDecade = ceil(log10 valueTop);
// bottomDecade = floor(log10 valueBottom), or topDecade - 5 when valueBottom is not positive;
// at most five decades, the upper ones. Where that gives no axis, the decade below topDecade
// (valueBottom not below it), or 10^-1 to 10^0 (valueTop not positive or not finite).
DecadeAxis decadeAxis(double valueTop, double valueBottom);

// Pixels per decade for a plot whose base line is at `base` in a client area `height` high.
int pixelsPerDecade(int base, int height, int decades);

// A segment after mapping: normalised abscissas, values as pixel heights.
struct MappedSegment {
  double x0 = 0.0;
  double x1 = 0.0;
  double y0 = 0.0;
  double y1 = 0.0;
  bool placed = false;  // both values positive and the segment finite: it has heights at all
};

// The pixel height of a positive value: base - (log10 v - bottomDecade) * pixelsPerDecade.
double heightOf(double value, const DecadeAxis& axis, int base, int perDecade);

// Maps every segment (abscissas normalised) to heights; an end below the base line of a segment
// that crosses it is moved along the segment to the crossing.
std::vector<MappedSegment> mapToHeights(const std::vector<CurveSegment>& segments, const DecadeAxis& axis,
                                        int base, int perDecade);

}  // namespace curveplot
