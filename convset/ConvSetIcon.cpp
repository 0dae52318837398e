#include "convset/ConvSetIcon.h"

#include <cmath>
#include <vector>

#include "platform/ui/IconDrawing.h"

namespace convset {
namespace {

constexpr int kSize = 32;
constexpr ui::Rgb kBack{0, 0, 140};
constexpr ui::Rgb kFrame{70, 70, 200};
constexpr ui::Rgb kAxis{150, 150, 150};
constexpr ui::Rgb kTolerance{255, 255, 255};
constexpr ui::Rgb kError{255, 255, 0};

constexpr double kLeft = 5.0;       // the value axis
constexpr double kBottom = 27.0;    // the pass axis
constexpr double kTop = 5.0;        // the error of the first pass
constexpr double kLimitY = 21.0;    // the tolerance
constexpr double kPassWidth = 4.5;  // six passes
constexpr int kPasses = 6;
constexpr double kDecay = 0.85;  // per pass

// The error of pass i falls exponentially from kTop towards the tolerance line.
double errorAt(int pass) { return kLimitY - (kLimitY - kTop) * std::exp(-kDecay * pass); }

}  // namespace

ui::IconImage convergenceIcon() {
  ui::IconImage icon = ui::filledIcon(kSize, kSize, kBack);
  const double edge = kSize - 0.5;
  ui::strokePolyline(icon, {{0.5, 0.5}, {edge, 0.5}, {edge, edge}, {0.5, edge}, {0.5, 0.5}}, 1.0, kFrame);
  ui::strokePolyline(icon, {{kLeft, 3.0}, {kLeft, kBottom}, {29.0, kBottom}}, 1.0, kAxis);
  ui::strokePolyline(icon, {{kLeft + 1.0, kLimitY + 1.5}, {29.0, kLimitY + 1.5}}, 1.0, kTolerance);
  // One step a pass: the error holds over the pass, then drops at the next.
  std::vector<ui::PointF> steps;
  for (int pass = 0; pass < kPasses; ++pass) {
    const double x = kLeft + 1.5 + kPassWidth * pass;
    steps.push_back({x, errorAt(pass)});
    steps.push_back({x + kPassWidth, errorAt(pass)});
  }
  ui::strokePolyline(icon, steps, 2.0, kError);
  return icon;
}

}  // namespace convset
