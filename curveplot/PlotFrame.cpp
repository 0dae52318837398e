#include "curveplot/PlotFrame.h"

#include <cmath>

namespace curveplot {

PlotFrame plotFrame(int width, int height) {
  PlotFrame f;
  f.width = width;
  f.height = height;
  f.step = height * 69 / 464;
  f.topMargin = height * 20 / 464;
  f.captionX = width * 30 / 572;
  f.captionY = f.topMargin - 10;
  f.left = width * 70 / 572;
  f.right = width * 520 / 572;
  f.mid = (f.left + f.right) / 2;
  f.gridStart = width * 60 / 572;
  f.gridEnd = width * 525 / 572;
  f.base = height * 390 / 464;
  f.lineTop = height * 35 / 464;
  f.lineBottom = height * 405 / 464;
  f.labelRow = f.base + height * 30 / 464;
  f.valueLabelX = f.left - width * 60 / 572;
  return f;
}

void PlotFrame::shiftRight(int pixels) {
  left += pixels;
  right += pixels;
  mid = (left + right) / 2;
}

int PlotFrame::column(double x) const { return toPixel(left + (right - left) * x); }

int toPixel(double coordinate) {
  if (std::isnan(coordinate)) return kFarPixel;
  if (coordinate >= kFarPixel) return kFarPixel;
  if (coordinate <= -kFarPixel) return -kFarPixel;
  return static_cast<int>(coordinate);
}

}  // namespace curveplot
