#include "platform/ui/IconDrawing.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ui {
namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

std::uint32_t opaque(Rgb c) {
  return kOpaque | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | std::uint32_t{c.b};
}

double distanceToSegment(PointF p, PointF a, PointF b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double lengthSquared = dx * dx + dy * dy;
  double t = 0.0;
  if (lengthSquared > 0.0) {
    t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared, 0.0, 1.0);
  }
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

std::uint8_t mix(unsigned back, unsigned fore, double share) {
  return static_cast<std::uint8_t>(std::lround(back + (static_cast<double>(fore) - back) * share));
}

std::uint32_t blend(std::uint32_t back, Rgb fore, double share) {
  const Rgb mixed{mix((back >> 16) & 0xFFu, fore.r, share), mix((back >> 8) & 0xFFu, fore.g, share),
                  mix(back & 0xFFu, fore.b, share)};
  return opaque(mixed);
}

}  // namespace

IconImage filledIcon(int width, int height, Rgb colour) {
  IconImage image{std::max(width, 1), std::max(height, 1), {}};
  image.argb.assign(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height),
                    opaque(colour));
  return image;
}

// The share of a pixel covered is taken from the distance of its centre to the line: whole
// within width/2 - 1/2, none beyond width/2 + 1/2, linear between.
void strokePolyline(IconImage& image, const std::vector<PointF>& points, double width, Rgb colour) {
  if (points.size() < 2 || !image.valid()) return;
  const double halfWidth = width / 2.0;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const PointF centre{x + 0.5, y + 0.5};
      double nearest = std::numeric_limits<double>::infinity();
      for (std::size_t i = 1; i < points.size(); ++i) {
        nearest = std::min(nearest, distanceToSegment(centre, points[i - 1], points[i]));
      }
      const double share = std::clamp(halfWidth + 0.5 - nearest, 0.0, 1.0);
      if (share <= 0.0) continue;
      std::uint32_t& pixel = image.argb[static_cast<std::size_t>(y * image.width + x)];
      pixel = blend(pixel, colour, share);
    }
  }
}

}  // namespace ui
