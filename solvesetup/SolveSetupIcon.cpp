#include "solvesetup/SolveSetupIcon.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "platform/ui/IconDrawing.h"

namespace solvesetup {
namespace {

constexpr int kSize = 32;
constexpr ui::Rgb kBack{0, 0, 140};
constexpr ui::Rgb kFrame{70, 70, 200};
constexpr ui::Rgb kAxis{150, 150, 150};
constexpr ui::Rgb kEnvelope{90, 90, 220};
constexpr ui::Rgb kWave{255, 255, 0};

// The oscillation runs from x = 4 to x = 29 about the axis at y = 16.
constexpr double kStart = 4.0;
constexpr double kLength = 25.0;
constexpr double kAxisY = 16.0;
constexpr double kAmplitude = 11.0;
constexpr double kDecay = 2.2;    // per length of the oscillation
constexpr double kCycles = 2.25;  // over the length

// Points of amplitude(t) * shape(t) above the axis, t from 0 to 1 in steps of a fifth of a pixel.
template <class Shape>
std::vector<ui::PointF> curve(Shape shape) {
  constexpr int kSteps = static_cast<int>(kLength) * 5;
  std::vector<ui::PointF> points;
  for (int i = 0; i <= kSteps; ++i) {
    const double t = static_cast<double>(i) / kSteps;
    const double height = kAmplitude * std::exp(-kDecay * t) * shape(t);
    points.push_back({kStart + kLength * t, kAxisY - height});
  }
  return points;
}

}  // namespace

ui::IconImage settingsIcon() {
  ui::IconImage icon = ui::filledIcon(kSize, kSize, kBack);
  const double edge = kSize - 0.5;
  ui::strokePolyline(icon, {{0.5, 0.5}, {edge, 0.5}, {edge, edge}, {0.5, edge}, {0.5, 0.5}}, 1.0, kFrame);
  ui::strokePolyline(icon, {{kStart - 1.0, 4.0}, {kStart - 1.0, 28.0}}, 1.0, kAxis);
  ui::strokePolyline(icon, {{kStart - 1.0, kAxisY}, {kStart + kLength + 0.5, kAxisY}}, 1.0, kAxis);
  ui::strokePolyline(icon, curve([](double) { return 1.0; }), 1.0, kEnvelope);
  ui::strokePolyline(icon, curve([](double) { return -1.0; }), 1.0, kEnvelope);
  ui::strokePolyline(icon, curve([](double t) { return std::cos(2.0 * std::numbers::pi * kCycles * t); }),
                     2.0, kWave);
  return icon;
}

}  // namespace solvesetup
