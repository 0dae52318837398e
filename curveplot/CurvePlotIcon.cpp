#include "curveplot/CurvePlotIcon.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "curveplot/PlotDrawing.h"
#include "platform/ui/IconDrawing.h"

namespace curveplot {
namespace {

constexpr int kSize = 32;
constexpr ui::Rgb kBack{0, 0, 140};
constexpr double kLeft = 5.0;
constexpr double kRight = 29.0;
constexpr double kBase = 27.0;
constexpr double kPeakX = 14.0;
constexpr double kPeakHeight = 18.0;
constexpr double kWidth = 2.5;  // half width of the resonance at half its height

double resonanceAt(double x) {
  const double d = (x - kPeakX) / kWidth;
  return kBase - 2.0 - kPeakHeight / (1.0 + d * d);
}

std::vector<ui::PointF> ring(double cx, double cy, double radius) {
  std::vector<ui::PointF> points;
  for (int i = 0; i <= 24; ++i) {
    const double a = 2.0 * std::numbers::pi * i / 24;
    points.push_back({cx + radius * std::cos(a), cy + radius * std::sin(a)});
  }
  return points;
}

}  // namespace

ui::IconImage curvePlotIcon() {
  ui::IconImage icon = ui::filledIcon(kSize, kSize, kBack);
  ui::strokePolyline(icon, {{kLeft - 1.5, 3.0}, {kLeft - 1.5, kBase}, {kRight, kBase}}, 1.0, kAxisColour);
  std::vector<ui::PointF> curve;
  for (double x = kLeft; x <= kRight; x += 0.25) curve.push_back({x, resonanceAt(x)});
  ui::strokePolyline(icon, curve, 2.0, ui::Rgb{255, 120, 150});
  ui::strokePolyline(icon, {{kPeakX, kBase}, {kPeakX, resonanceAt(kPeakX)}}, 1.0, kMarkerColour);
  ui::strokePolyline(icon, ring(kPeakX, resonanceAt(kPeakX), 3.5), 1.0, kMarkerColour);
  return icon;
}

}  // namespace curveplot
