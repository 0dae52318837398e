// The point list that the editor works on while the dialog runs: the function's points in
// ascending x, filled from the DATA block at start and written back at APPLY.
#pragma once

#include <vector>

namespace curvedit {

struct CurvePoint {
  double x = 0.0;
  double y = 0.0;
  friend bool operator==(const CurvePoint&, const CurvePoint&) = default;
};

using PointList = std::vector<CurvePoint>;

// Sorts by ascending x; points with the same x keep their order.
void sortByX(PointList& points);

// The smallest and the largest y of a list that is not empty.
double smallestY(const PointList& points);
double largestY(const PointList& points);

// The index of the first point with exactly this x, -1 for none; the point at index `skip` is
// not looked at.
int indexOfX(const PointList& points, double x, int skip = -1);

}  // namespace curvedit
