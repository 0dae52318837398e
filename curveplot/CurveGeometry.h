// The arithmetic both plots share: the abscissa range and its normalising, and the search for
// the point of largest magnitude.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "curveplot/CurveBlocks.h"

namespace curveplot {

// Whether all four numbers of the segment are finite; others are neither drawn nor searched.
bool isFinite(const CurveSegment& segment);

struct AbscissaRange {
  double min = 0.0;
  double max = 1.0;
  double span = 1.0;  // max - min, or 1 when that is below 1e-16
};

// The range of the abscissas of the finite records from firstRecord on (only x0 counts for the
// lower end, only x1 for the upper end), then every record's abscissas replaced by
// (x - min) / span. Without any such record the range is 0 to 1.
AbscissaRange normaliseAbscissa(std::vector<CurveSegment>& segments, std::size_t firstRecord);

struct Peak {
  std::size_t index = 0;   // record
  int end = 0;             // 0 start point, 1 end point
  double magnitude = 0.0;  // |value|
  double value = 0.0;      // as read
  double arg = 0.0;        // normalised abscissa
};

// Which points can be the peak: every point of a finite segment, or (on a logarithmic axis)
// only those with a positive value.
enum class PeakPoints { All, PositiveOnly };

// The first point of largest magnitude in record order, a start point before the end point of
// its record; the values are compared as read. None when no point qualifies.
std::optional<Peak> findPeak(const std::vector<CurveSegment>& segments, PeakPoints points);

}  // namespace curveplot
