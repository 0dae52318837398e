#include "curveplot/DecadeAxis.h"

#include <cmath>

#include "curveplot/CurveGeometry.h"

namespace curveplot {

int DecadeAxis::ticksPerDecade() const {
  switch (decades()) {
    case 1:
      return 11;
    case 2:
      return 6;
    default:
      return 5;
  }
}

DecadeAxis decadeAxis(double valueTop, double valueBottom) {
  DecadeAxis axis;
  if (!(valueTop > 0.0) || !std::isfinite(valueTop)) return axis;
  axis.topDecade = std::ceil(std::log10(valueTop));
  axis.bottomDecade = valueBottom > 0.0 && std::isfinite(valueBottom) ? std::floor(std::log10(valueBottom))
                                                                      : axis.topDecade - kMostDecades;
  if (axis.topDecade - axis.bottomDecade > kMostDecades) {
    axis.bottomDecade = axis.topDecade - kMostDecades;
  }
  if (axis.bottomDecade >= axis.topDecade) axis.bottomDecade = axis.topDecade - 1.0;
  return axis;
}

int pixelsPerDecade(int base, int height, int decades) { return (base - 2 * (height * 20 / 464)) / decades; }

double heightOf(double value, const DecadeAxis& axis, int base, int perDecade) {
  return base - (std::log10(value) - axis.bottomDecade) * perDecade;
}

std::vector<MappedSegment> mapToHeights(const std::vector<CurveSegment>& segments, const DecadeAxis& axis,
                                        int base, int perDecade) {
  std::vector<MappedSegment> mapped;
  mapped.reserve(segments.size());
  for (const CurveSegment& s : segments) {
    MappedSegment m{s.x0, s.x1, 0.0, 0.0, isFinite(s) && s.y0 > 0.0 && s.y1 > 0.0};
    if (m.placed) {
      m.y0 = heightOf(s.y0, axis, base, perDecade);
      m.y1 = heightOf(s.y1, axis, base, perDecade);
      const auto h0 = static_cast<int>(m.y0);
      const auto h1 = static_cast<int>(m.y1);
      if (h0 > base && h1 < base) {
        m.x0 += (m.x1 - m.x0) * (h0 - base) / (h0 - h1);
        m.y0 = base;
      } else if (h0 < base && h1 > base) {
        m.x1 -= (m.x1 - m.x0) * (h1 - base) / (h1 - h0);
        m.y1 = base;
      }
    }
    mapped.push_back(m);
  }
  return mapped;
}

}  // namespace curveplot
