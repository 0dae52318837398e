// The drawing both plots share, through the Painter: background, text colours, the abscissa's
// labels, lines and ticks, the curve's segments, and the pens.
#pragma once

#include "curveplot/CurveGeometry.h"
#include "curveplot/PlotFrame.h"
#include "platform/ui/Painter.h"

namespace curveplot {

inline constexpr ui::Rgb kAxisColour{100, 175, 175};
inline constexpr ui::Rgb kCurveColour{175, 47, 80};
inline constexpr ui::Rgb kMarkerColour{255, 0, 0};
inline constexpr ui::Rgb kPlotText{255, 255, 255};

ui::Pen solidPen(ui::Rgb colour);

// The client area filled with the dialog's dark blue; text white on an opaque dark blue.
void beginPlot(ui::Painter& painter, const PlotFrame& frame);

// argMin, the middle and argMax in "%10.3e" on the label row below the axis.
void drawAbscissaLabels(ui::Painter& painter, const PlotFrame& frame, const AbscissaRange& range);

// The vertical lines at left, mid and right, then ten minor and ten major ticks below the axis
// from left on, with the pen selected.
void drawAbscissaLines(ui::Painter& painter, const PlotFrame& frame);

// A segment from (column(x0), y0) to (column(x1), y1), heights in pixels; the part of it that
// lies within kFarPixel of the window is drawn.
void drawSegment(ui::Painter& painter, const PlotFrame& frame, double x0, double y0, double x1, double y1);

// The abscissa of the peak in its own units, "%10.3e", with its left edge 40 pixels left of
// the peak's column, at height y.
void drawPeakAbscissa(ui::Painter& painter, const PlotFrame& frame, const AbscissaRange& range,
                      double peakArg, int y);

}  // namespace curveplot
