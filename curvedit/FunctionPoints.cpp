#include "curvedit/FunctionPoints.h"

#include <algorithm>

namespace curvedit {

void sortByX(PointList& points) {
  std::stable_sort(points.begin(), points.end(),
                   [](const CurvePoint& a, const CurvePoint& b) { return a.x < b.x; });
}

double smallestY(const PointList& points) {
  return std::min_element(points.begin(), points.end(),
                          [](const CurvePoint& a, const CurvePoint& b) { return a.y < b.y; })
      ->y;
}

double largestY(const PointList& points) {
  return std::max_element(points.begin(), points.end(),
                          [](const CurvePoint& a, const CurvePoint& b) { return a.y < b.y; })
      ->y;
}

int indexOfX(const PointList& points, double x, int skip) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (points[i].x == x && static_cast<int>(i) != skip) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace curvedit
