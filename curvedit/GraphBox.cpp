#include "curvedit/GraphBox.h"

#include <cmath>
#include <string>

#include "platform/FormatText.h"
#include "runtime/skeleton/NumberText.h"

namespace curvedit {
namespace {
using skeleton::formatNumber;

constexpr int kTopMargin = 25;
constexpr int kGap = 5;
constexpr int kInset = 6;  // axis frame to plot area; length of the minor ticks
constexpr int kRightMargin = 20;
constexpr int kCharWidth = 7;
constexpr int kCharHeight = 12;
constexpr int kLinearMargin = 40;
constexpr int kLogMargin = 70;
constexpr int kNoteRoom = 6 + 2 * kCharHeight;
constexpr int kLinearVerticalLines = 5;
constexpr int kLinearHorizontalLines = 6;
constexpr int kLabelLeft = kGap + kCharWidth;
constexpr int kLogTicks[] = {2, 4, 6, 8};

// "Ariel", so spelt, is the face the program has always asked for; the platform maps it to a real one.
const ui::Font kLabelFont{.face = "Ariel", .height = 14, .fixedPitch = true, .bold = false};

ui::Pen pen(ui::Rgb colour) { return ui::Pen{ui::PenStyle::Solid, 1, colour}; }

// How far along the axis the value lies, in pixels of an axis of the given length.
double offsetAlong(const Axis& axis, double value, int length) {
  if (axis.log) {
    const double f = std::floor(std::log10(value));
    const double low = decadeOf(axis.min);
    return (std::log10(value / std::pow(10.0, f)) + f - low) * length / (decadeOf(axis.max) - low);
  }
  return (value - axis.min) / std::fabs(axis.max - axis.min) * length;
}

// The value step between two major lines of a linear axis.
double valueStep(const Axis& axis, int lines) { return std::fabs(axis.max - axis.min) / (lines - 1); }

double lineSpacing(int length, int lines) {
  return lines < 2 ? length : static_cast<double>(length) / (lines - 1);
}
}  // namespace

void GraphBox::setUp(const ui::Rect& groupBox) {
  graphRect = {groupBox.x, groupBox.y + kInset, groupBox.cx, groupBox.cy - kInset};
}

void GraphBox::paint(ui::Painter& painter, const PointList& points, int selectedPoint) {
  painter.SelectBrush(ui::Brush{graphstyle::kField});
  painter.SelectFont(kLabelFont);
  paintPass(painter, points, selectedPoint, true);
  if (secondPass) {
    secondPass = 0;
    paintPass(painter, points, selectedPoint, false);
  }
}

void GraphBox::paintPass(ui::Painter& painter, const PointList& points, int selectedPoint, bool curveFirst) {
  painter.PaintRgn(graphRect.x, graphRect.y, graphRect.x + graphRect.cx, graphRect.y + graphRect.cy);
  painter.SetTextColor(graphstyle::kWhite);
  painter.SetBkColor(graphstyle::kField);
  const Frame frame = layOut();
  const int horizontalLines = y.log ? roundLogLimits(AxisName::Y, y) : kLinearHorizontalLines;
  const int verticalLines = x.log ? roundLogLimits(AxisName::X, x) : kLinearVerticalLines;
  if (curveFirst) drawCurve(painter, points, selectedPoint);
  drawHorizontalLines(painter, frame, horizontalLines);
  drawVerticalLines(painter, frame, verticalLines);
  if (!curveFirst) drawCurve(painter, points, selectedPoint);
}

GraphBox::Frame GraphBox::layOut() {
  Frame frame;
  frame.margin = y.log ? kLogMargin : kLinearMargin;
  const int noteRoom = y.log ? 0 : kNoteRoom;
  frame.bottom = graphRect.y + graphRect.cy - (kTopMargin + kGap);
  frame.left = graphRect.x + frame.margin + kGap;
  frame.height = graphRect.cy - (kTopMargin + kGap) - kGap - noteRoom;
  frame.width = graphRect.cx - (frame.margin + kGap) - kRightMargin;
  plotLeft = frame.left + kInset;
  plotBottom = frame.bottom - kInset;
  plotWidth = frame.width - 2 * kInset;
  plotHeight = frame.height - 2 * kInset;
  return frame;
}

int GraphBox::roundLogLimits(AxisName name, Axis& axis) {
  const Axis before = axis;
  const int lines = roundLogAxis(axis);
  if (axis.min != before.min || axis.max != before.max) events_.logLimitsRounded(name);
  return lines;
}

void GraphBox::checkLogDomain(AxisName name, Axis& axis, double value) {
  if (!axis.log || !axis.logWarn || value > 0.0) return;
  axis.logWarn = 0;
  events_.logOfZero(name);
  secondPass = 1;
}

int GraphBox::MapX(double value) {
  checkLogDomain(AxisName::X, x, value);
  return truncatePixel(offsetAlong(x, value, plotWidth) + plotLeft);
}

int GraphBox::MapY(double value) {
  checkLogDomain(AxisName::Y, y, value);
  return truncatePixel(plotBottom - offsetAlong(y, value, plotHeight));
}

void GraphBox::drawCurve(ui::Painter& painter, const PointList& points, int selectedPoint) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    const int c = MapX(points[i].x);
    const int r = MapY(points[i].y);
    painter.SelectPen(pen(graphstyle::kCurve));
    if (i == 0) {
      painter.MoveTo(c, r);
    } else {
      painter.LineTo(c, r);
    }
    painter.SelectPen(pen(graphstyle::kWhite));
    painter.Ellipse(c - 2, r - 2, c + 3, r + 3);
    if (static_cast<int>(i) == selectedPoint) {
      painter.SelectPen(pen(graphstyle::kRing));
      painter.Arc(c - 8, r - 8, c + 9, r + 9, c + 9, r, c + 9, r);
    }
  }
}

void GraphBox::drawHorizontalLines(ui::Painter& painter, const Frame& frame, int lines) {
  painter.SelectPen(pen(graphstyle::kGrid));
  const double dy = lineSpacing(plotHeight, lines);
  const int exponent = y.log ? 0 : scaleExponent(y.min, y.max);
  const double step = valueStep(y, lines);
  for (int m = 0; m < lines; ++m) {
    const double r = plotBottom - m * dy;
    painter.MoveTo(frame.left, truncatePixel(r));
    painter.LineTo(frame.left + frame.width, truncatePixel(r));
    const std::string label = y.log ? ShortenExponent(formatNumber("%1.1e", std::pow(10.0, m) * y.min))
                                    : formatNumber("%2.3f", (m * step + y.min) / std::pow(10.0, exponent));
    painter.TextOut(kLabelLeft, truncatePixel(r - kCharHeight / 2), label);
    if (!y.log && m == lines - 1) {
      painter.TextOut(static_cast<int>(0.7 * frame.margin), truncatePixel(r - kNoteRoom),
                      platform::formatText("Value x 1.e%d", exponent));
    }
    if (m == lines - 1) continue;
    for (int k = 1; k <= 4; ++k) {
      const double tick = y.log ? r - std::log10(kLogTicks[k - 1]) * dy : r - k * dy / 5;
      painter.MoveTo(frame.left, truncatePixel(tick));
      painter.LineTo(frame.left + kInset, truncatePixel(tick));
    }
  }
}

void GraphBox::drawVerticalLines(ui::Painter& painter, const Frame& frame, int lines) {
  painter.SelectPen(pen(graphstyle::kGrid));
  const double dx = lineSpacing(plotWidth, lines);
  const double step = valueStep(x, lines);
  for (int m = 0; m < lines; ++m) {
    const double c = plotLeft + m * dx;
    painter.MoveTo(truncatePixel(c), frame.bottom);
    painter.LineTo(truncatePixel(c), frame.bottom - frame.height);
    const std::string label = ShortenExponent(x.log ? formatNumber("%1.1e", std::pow(10.0, m) * x.min)
                                                    : formatNumber("%2.3e", m * step + x.min));
    const int n = static_cast<int>(label.size());
    double left = c - (kCharWidth * n) / 2;
    if (m == 0) {
      left = c - (n / 2) * kCharWidth;
    } else if (m == lines - 1) {
      left = c - (kCharWidth * n) / 1.5;
    }
    painter.TextOut(truncatePixel(left), frame.bottom, label);
    if (m == lines - 1) continue;
    for (int k = 1; k <= 4; ++k) {
      const double tick = x.log ? c + std::log10(kLogTicks[k - 1]) * dx : c + k * dx / 5;
      painter.MoveTo(truncatePixel(tick), frame.bottom);
      painter.LineTo(truncatePixel(tick), frame.bottom - kInset);
    }
  }
}

}  // namespace curvedit
