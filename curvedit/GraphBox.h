// The graph box: the function drawn on its axes in a dark-blue field inside the dialog, with a
// grid of major lines and minor ticks, numbered axes, point markers and the selected point
// ringed in red. Each axis is linear or logarithmic.
#pragma once

#include "curvedit/FunctionPoints.h"
#include "curvedit/GraphScale.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Painter.h"

namespace curvedit {

enum class AxisName { X, Y };

// What the graph box asks of its dialog while it paints.
class GraphEvents {
 public:
  virtual ~GraphEvents() = default;
  // A point lies at zero (or below) on a logarithmic axis that may still warn: the dialog tells
  // the user and switches the axis back to linear.
  virtual void logOfZero(AxisName axis) = 0;
  // The rounding to whole decades changed the limits of a logarithmic axis: the dialog shows
  // them.
  virtual void logLimitsRounded(AxisName axis) = 0;
};

// The pens, font and colours of the graph box.
namespace graphstyle {
inline constexpr ui::Rgb kGrid{100, 175, 175};
inline constexpr ui::Rgb kCurve{175, 47, 80};
inline constexpr ui::Rgb kRing{255, 0, 0};
inline constexpr ui::Rgb kWhite{255, 255, 255};
inline constexpr ui::Rgb kField{0, 0, 140};
}  // namespace graphstyle

class GraphBox {
 public:
  explicit GraphBox(GraphEvents& events) : events_(events) {}

  // Takes the place of the graph: the group box's rectangle in client pixels, its top moved
  // down by 6 pixels.
  void setUp(const ui::Rect& groupBox);

  // Draws field, curve, grid and labels; a second pass is drawn when one was requested (at the
  // first paint, and when a warning switched an axis to linear during this one).
  void paint(ui::Painter& painter, const PointList& points, int selectedPoint);

  int MapX(double x);  // pixel column of an abscissa
  int MapY(double y);  // pixel row of an ordinate

  Axis x;
  Axis y;
  ui::Rect graphRect;  // client pixels
  int plotLeft = 0;
  int plotBottom = 0;
  int plotWidth = 0;
  int plotHeight = 0;
  int secondPass = 1;

 private:
  struct Frame {
    int left = 0;
    int bottom = 0;
    int width = 0;
    int height = 0;
    int margin = 0;  // room for the Y labels
  };

  void paintPass(ui::Painter& painter, const PointList& points, int selectedPoint, bool curveFirst);
  Frame layOut();
  void drawCurve(ui::Painter& painter, const PointList& points, int selectedPoint);
  void drawHorizontalLines(ui::Painter& painter, const Frame& frame, int lines);
  void drawVerticalLines(ui::Painter& painter, const Frame& frame, int lines);
  void checkLogDomain(AxisName name, Axis& axis, double value);
  // Rounds a logarithmic axis to whole decades, telling the dialog when its limits changed;
  // the number of grid lines.
  int roundLogLimits(AxisName name, Axis& axis);

  GraphEvents& events_;
};

}  // namespace curvedit
