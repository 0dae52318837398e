#include "loadbc/LoadIcon.h"

#include "platform/ui/IconDrawing.h"

namespace loadbc {
namespace {

constexpr int kSize = 32;
constexpr ui::Rgb kBack{0, 0, 140};
constexpr ui::Rgb kFrame{70, 70, 200};
constexpr ui::Rgb kBeam{150, 150, 150};
constexpr ui::Rgb kSupport{220, 220, 220};
constexpr ui::Rgb kLoad{255, 255, 0};

constexpr double kBeamY = 22.5;
constexpr double kBeamLeft = 3.0;
constexpr double kBeamRight = 29.0;
// The load's top line falls from y = 12 at the left to y = 4 at the right.
constexpr double kTopLeftY = 12.0;
constexpr double kTopRightY = 4.0;
constexpr double kFirstArrowX = 5.5;
constexpr double kArrowStep = 5.25;
constexpr int kArrows = 5;

double topAt(double x) {
  return kTopLeftY + (kTopRightY - kTopLeftY) * (x - kFirstArrowX) / (kArrowStep * (kArrows - 1));
}

void support(ui::IconImage& icon, double x) {
  ui::strokePolyline(icon,
                     {{x, kBeamY + 1.5}, {x - 3.0, kBeamY + 6.0}, {x + 3.0, kBeamY + 6.0}, {x, kBeamY + 1.5}},
                     1.0, kSupport);
}

}  // namespace

ui::IconImage loadIcon() {
  ui::IconImage icon = ui::filledIcon(kSize, kSize, kBack);
  const double edge = kSize - 0.5;
  ui::strokePolyline(icon, {{0.5, 0.5}, {edge, 0.5}, {edge, edge}, {0.5, edge}, {0.5, 0.5}}, 1.0, kFrame);
  ui::strokePolyline(icon, {{kBeamLeft, kBeamY}, {kBeamRight, kBeamY}}, 2.0, kBeam);
  support(icon, kBeamLeft + 3.0);
  support(icon, kBeamRight - 3.0);
  const double lastX = kFirstArrowX + kArrowStep * (kArrows - 1);
  ui::strokePolyline(icon, {{kFirstArrowX, topAt(kFirstArrowX)}, {lastX, topAt(lastX)}}, 1.0, kLoad);
  for (int i = 0; i < kArrows; ++i) {
    const double x = kFirstArrowX + kArrowStep * i;
    const double tip = kBeamY - 1.5;
    ui::strokePolyline(icon, {{x, topAt(x)}, {x, tip}}, 1.0, kLoad);
    ui::strokePolyline(icon, {{x - 2.0, tip - 2.5}, {x, tip}, {x + 2.0, tip - 2.5}}, 1.0, kLoad);
  }
  return icon;
}

}  // namespace loadbc
