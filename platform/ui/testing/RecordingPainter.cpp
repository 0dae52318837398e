#include "platform/ui/testing/RecordingPainter.h"

namespace ui::testing {

std::vector<PaintCall> RecordingPainter::callsOf(PaintOp op) const {
  std::vector<PaintCall> found;
  for (const PaintCall& call : calls_) {
    if (call.op == op) found.push_back(call);
  }
  return found;
}

void RecordingPainter::record(PaintOp op, std::vector<Point> points) {
  PaintCall call;
  call.op = op;
  call.points = std::move(points);
  call.state = state();
  calls_.push_back(std::move(call));
}

void RecordingPainter::drawLine(Point from, Point to) { record(PaintOp::Line, {from, to}); }

void RecordingPainter::drawRectangle(int left, int top, int right, int bottom) {
  record(PaintOp::Rectangle, {{left, top}, {right, bottom}});
}

void RecordingPainter::drawEllipse(int left, int top, int right, int bottom) {
  record(PaintOp::Ellipse, {{left, top}, {right, bottom}});
}

void RecordingPainter::drawArc(int left, int top, int right, int bottom, double startDegrees,
                               double sweepDegrees) {
  record(PaintOp::Arc, {{left, top}, {right, bottom}});
  calls_.back().startDegrees = startDegrees;
  calls_.back().sweepDegrees = sweepDegrees;
}

void RecordingPainter::fillPolygon(const std::vector<Point>& polygon) { record(PaintOp::Polygon, polygon); }

void RecordingPainter::drawText(Point topLeft, const std::string& text) {
  record(PaintOp::Text, {topLeft});
  calls_.back().text = text;
}

void RecordingPainter::drawIcon(Point topLeft, const IconImage& icon) {
  record(PaintOp::Icon, {topLeft});
  calls_.back().icon = &icon;
}

}  // namespace ui::testing
