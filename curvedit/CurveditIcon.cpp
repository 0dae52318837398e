#include "curvedit/CurveditIcon.h"

#include <iterator>

#include "curvedit/GraphBox.h"
#include "platform/ui/IconDrawing.h"

namespace curvedit {
namespace {
constexpr int kSize = 32;
constexpr ui::Rgb kFrame{70, 70, 200};
constexpr ui::Rgb kFunction{255, 255, 0};

// The function's points: rise from zero, hold, release back to zero.
constexpr ui::PointF kPoints[] = {{4.5, 26.5}, {11.5, 8.5}, {21.5, 8.5}, {27.5, 26.5}};

// A square marker of 3 x 3 pixels about the point.
void mark(ui::IconImage& icon, ui::PointF at, ui::Rgb colour) {
  ui::strokePolyline(icon, {{at.x - 1.5, at.y}, {at.x + 1.5, at.y}}, 3.0, colour);
}
}  // namespace

ui::IconImage curveditIcon() {
  ui::IconImage icon = ui::filledIcon(kSize, kSize, graphstyle::kField);
  const double edge = kSize - 0.5;
  ui::strokePolyline(icon, {{0.5, 0.5}, {edge, 0.5}, {edge, edge}, {0.5, edge}, {0.5, 0.5}}, 1.0, kFrame);
  for (const double line : {4.5, 12.5, 20.5, 28.5}) {
    ui::strokePolyline(icon, {{line, 3.5}, {line, 28.5}}, 1.0, graphstyle::kGrid);
    ui::strokePolyline(icon, {{3.5, line}, {28.5, line}}, 1.0, graphstyle::kGrid);
  }
  ui::strokePolyline(icon, {std::begin(kPoints), std::end(kPoints)}, 2.0, kFunction);
  for (const ui::PointF& point : kPoints) mark(icon, point, graphstyle::kWhite);
  mark(icon, kPoints[1], graphstyle::kRing);
  return icon;
}

}  // namespace curvedit
