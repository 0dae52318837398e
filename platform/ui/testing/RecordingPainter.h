// A painter that records what is drawn, with the pen, brush, font and colours in effect.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/Painter.h"

namespace ui::testing {

enum class PaintOp { Line, Rectangle, Ellipse, Arc, Polygon, Text, Icon };

struct PaintCall {
  PaintOp op = PaintOp::Line;
  // Line: from, to. Rectangle, Ellipse, Arc: top-left and bottom-right of the box.
  // Polygon: its corners. Text, Icon: the top-left corner.
  std::vector<Point> points;
  double startDegrees = 0.0;        // Arc
  double sweepDegrees = 0.0;        // Arc
  std::string text;                 // Text
  const IconImage* icon = nullptr;  // Icon
  PaintState state;
};

class RecordingPainter final : public Painter {
 public:
  const std::vector<PaintCall>& calls() const { return calls_; }
  std::vector<PaintCall> callsOf(PaintOp op) const;

 protected:
  void drawLine(Point from, Point to) override;
  void drawRectangle(int left, int top, int right, int bottom) override;
  void drawEllipse(int left, int top, int right, int bottom) override;
  void drawArc(int left, int top, int right, int bottom, double startDegrees, double sweepDegrees) override;
  void fillPolygon(const std::vector<Point>& polygon) override;
  void drawText(Point topLeft, const std::string& text) override;
  void drawIcon(Point topLeft, const IconImage& icon) override;

 private:
  void record(PaintOp op, std::vector<Point> points);
  std::vector<PaintCall> calls_;
};

}  // namespace ui::testing
