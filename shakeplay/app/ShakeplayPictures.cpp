#include "shakeplay/app/ShakeplayPictures.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "platform/ui/IconDrawing.h"

namespace shakeplay {
namespace {

constexpr int kSize = 32;

std::vector<ui::PointF> circle(ui::PointF centre, double radius) {
  constexpr int kSegments = 48;
  std::vector<ui::PointF> points;
  for (int i = 0; i <= kSegments; ++i) {
    const double angle = 2.0 * std::numbers::pi * i / kSegments;
    points.push_back({centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)});
  }
  return points;
}

}  // namespace

ui::IconImage applicationIcon() {
  ui::IconImage icon = ui::filledIcon(kSize, kSize, {0, 0, 140});
  // Five bands of the colour scale, bent along the plate.
  const ui::Rgb bands[] = {{0, 90, 255}, {0, 255, 160}, {140, 255, 0}, {255, 140, 0}, {255, 0, 140}};
  for (int band = 0; band < 5; ++band) {
    std::vector<ui::PointF> line;
    for (int x = 2; x <= 30; ++x) {
      const double bend = 4.0 * std::sin(std::numbers::pi * (x - 2) / 28.0 * 1.5);
      line.push_back({static_cast<double>(x), 7.0 + 4.5 * band + bend});
    }
    ui::strokePolyline(icon, line, 4.5, bands[band]);
  }
  return icon;
}

ui::IconImage zoomCursorPicture() {
  const ui::PointF centre{kZoomCursorHotSpot.x + 0.5, kZoomCursorHotSpot.y + 0.5};
  const std::vector<ui::PointF> handle{{19.0, 19.0}, {29.0, 29.0}};
  // The ink in black on white, and where the cursor is opaque (ink and rim) as white on black.
  ui::IconImage ink = ui::filledIcon(kSize, kSize, {255, 255, 255});
  ui::strokePolyline(ink, circle(centre, 8.0), 2.0, {0, 0, 0});
  ui::strokePolyline(ink, handle, 3.0, {0, 0, 0});
  ui::IconImage opaque = ui::filledIcon(kSize, kSize, {0, 0, 0});
  ui::strokePolyline(opaque, circle(centre, 8.0), 6.0, {255, 255, 255});
  ui::strokePolyline(opaque, handle, 7.0, {255, 255, 255});
  for (std::size_t i = 0; i < ink.argb.size(); ++i) {
    const std::uint32_t alpha = opaque.argb[i] & 0xFFu;
    ink.argb[i] = (alpha << 24) | (ink.argb[i] & 0x00FFFFFFu);
  }
  return ink;
}

}  // namespace shakeplay
