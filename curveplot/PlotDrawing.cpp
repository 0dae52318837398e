#include "curveplot/PlotDrawing.h"

#include <algorithm>
#include <cmath>

#include "platform/FormatText.h"
#include "runtime/skeleton/PrettyColours.h"

namespace curveplot {
namespace {

// Cuts the segment from (x0, y0) to (x1, y1) to the square within kFarPixel of the origin;
// false when nothing of it lies there.
bool clipToFar(double& x0, double& y0, double& x1, double& y1) {
  if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1)) {
    return false;
  }
  double enter = 0.0;
  double leave = 1.0;
  const double dx = x1 - x0;
  const double dy = y1 - y0;
  // Each side of the square as p * t <= q for the points x0 + t dx, y0 + t dy.
  const double sides[4][2] = {
      {-dx, x0 + kFarPixel}, {dx, kFarPixel - x0}, {-dy, y0 + kFarPixel}, {dy, kFarPixel - y0}};
  for (const auto& [p, q] : sides) {
    if (p == 0.0) {
      if (q < 0.0) return false;
    } else if (p < 0.0) {
      enter = std::max(enter, q / p);
    } else {
      leave = std::min(leave, q / p);
    }
  }
  if (!(enter <= leave)) return false;
  x1 = x0 + leave * dx;
  y1 = y0 + leave * dy;
  x0 += enter * dx;
  y0 += enter * dy;
  return true;
}

}  // namespace

ui::Pen solidPen(ui::Rgb colour) { return ui::Pen{ui::PenStyle::Solid, 1, colour}; }

void beginPlot(ui::Painter& painter, const PlotFrame& frame) {
  painter.SelectBrush(ui::Brush{skeleton::kDialogBack});
  painter.PaintRgn(0, 0, frame.width, frame.height);
  painter.SetTextColor(kPlotText);
  painter.SetBkColor(skeleton::kDialogBack);
  painter.SetBkMode(ui::BackMode::Opaque);
}

void drawAbscissaLabels(ui::Painter& painter, const PlotFrame& frame, const AbscissaRange& range) {
  painter.TextOut(frame.left - 10, frame.labelRow, platform::formatText("%10.3e", range.min));
  painter.TextOut(frame.mid - 50, frame.labelRow,
                  platform::formatText("%10.3e", (range.min + range.max) / 2));
  painter.TextOut(frame.right - 45, frame.labelRow, platform::formatText("%10.3e", range.max));
}

void drawAbscissaLines(ui::Painter& painter, const PlotFrame& frame) {
  for (const int x : {frame.left, frame.mid, frame.right}) {
    painter.MoveTo(x, frame.lineTop);
    painter.LineTo(x, frame.lineBottom);
  }
  const int tick = (frame.mid - frame.left) / 5;
  for (int i = 1; i <= 10; ++i) {
    const int minor = toPixel(frame.left + (i - 0.5) * tick);
    painter.MoveTo(minor, frame.base);
    painter.LineTo(minor, frame.base + 5);
    const int major = frame.left + i * tick;
    painter.MoveTo(major, frame.base);
    painter.LineTo(major, frame.base + 10);
  }
}

void drawSegment(ui::Painter& painter, const PlotFrame& frame, double x0, double y0, double x1, double y1) {
  double fromX = frame.left + (frame.right - frame.left) * x0;
  double toX = frame.left + (frame.right - frame.left) * x1;
  if (!clipToFar(fromX, y0, toX, y1)) return;
  painter.MoveTo(toPixel(fromX), toPixel(y0));
  painter.LineTo(toPixel(toX), toPixel(y1));
}

void drawPeakAbscissa(ui::Painter& painter, const PlotFrame& frame, const AbscissaRange& range,
                      double peakArg, int y) {
  const double column = frame.left + (frame.right - frame.left) * peakArg;
  painter.TextOut(toPixel(column - 40), y, platform::formatText("%10.3e", peakArg * range.span + range.min));
}

}  // namespace curveplot
