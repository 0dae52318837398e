#include "platform/ui/Painter.h"

#include <cmath>
#include <numbers>

namespace ui {
namespace {
double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// Angle in degrees, counter-clockwise with y up, of the radial from the box centre through p.
double radialAngle(int left, int top, int right, int bottom, int px, int py) {
  const double cx = (left + right) / 2.0;
  const double cy = (top + bottom) / 2.0;
  const double rx = (right - left) / 2.0;
  const double ry = (bottom - top) / 2.0;
  if (rx == 0.0 || ry == 0.0) return 0.0;
  return std::atan2(-(py - cy) / ry, (px - cx) / rx) * 180.0 / std::numbers::pi;
}

Point onCircle(int x, int y, int radius, double degrees) {
  return Point{static_cast<int>(std::lround(x + radius * std::cos(radians(degrees)))),
               static_cast<int>(std::lround(y - radius * std::sin(radians(degrees))))};
}
}  // namespace

void Painter::LineTo(int x, int y) {
  drawLine(state_.position, {x, y});
  state_.position = {x, y};
}

void Painter::Rectangle(int left, int top, int right, int bottom) { drawRectangle(left, top, right, bottom); }

void Painter::Ellipse(int left, int top, int right, int bottom) { drawEllipse(left, top, right, bottom); }

void Painter::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
  const double start = radialAngle(left, top, right, bottom, xStart, yStart);
  const double end = radialAngle(left, top, right, bottom, xEnd, yEnd);
  double sweep = std::fmod(end - start + 720.0, 360.0);
  if (sweep == 0.0) sweep = 360.0;
  drawArc(left, top, right, bottom, start, sweep);
}

void Painter::AngleArc(int x, int y, int radius, double startDegrees, double sweepDegrees) {
  const Point start = onCircle(x, y, radius, startDegrees);
  drawLine(state_.position, start);
  // Sweeps beyond a full turn retrace the circle.
  const double drawn = std::fabs(sweepDegrees) >= 360.0 ? std::copysign(360.0, sweepDegrees) : sweepDegrees;
  // The circle passes through (x ± radius, y) and (x, y ± radius): its box takes in the right
  // and bottom edges that a box of the drawing calls leaves out.
  drawArc(x - radius, y - radius, x + radius + 1, y + radius + 1, startDegrees, drawn);
  state_.position = onCircle(x, y, radius, startDegrees + sweepDegrees);
}

void Painter::PaintRgn(const std::vector<Point>& polygon) { fillPolygon(polygon); }

void Painter::PaintRgn(int left, int top, int right, int bottom) {
  fillPolygon({{left, top}, {right, top}, {right, bottom}, {left, bottom}});
}

void Painter::TextOut(int x, int y, const std::string& text) { drawText({x, y}, text); }

void Painter::DrawIcon(int x, int y, HICON icon) {
  if (icon != nullptr) drawIcon({x, y}, *icon);
}

}  // namespace ui
