#include "tests/curveplot/ShownPlot.h"

#include <ostream>

namespace curveplot::test {

std::vector<Line> linesOf(const RecordingPainter& painter, ui::Rgb colour) {
  std::vector<Line> lines;
  for (const PaintCall& call : painter.callsOf(PaintOp::Line)) {
    if (call.state.pen.colour == colour) lines.push_back({call.points[0], call.points[1]});
  }
  return lines;
}

std::vector<Text> textsOf(const RecordingPainter& painter, ui::Rgb colour) {
  std::vector<Text> texts;
  for (const PaintCall& call : painter.callsOf(PaintOp::Text)) {
    if (call.state.textColour == colour) texts.push_back({call.points[0], call.text});
  }
  return texts;
}

std::vector<PaintCall> arcsOf(const RecordingPainter& painter) {
  return painter.callsOf(PaintOp::Arc);
}

std::ostream& operator<<(std::ostream& out, const Line& line) {
  return out << "(" << line.from.x << "," << line.from.y << ")-(" << line.to.x << "," << line.to.y
             << ")";
}

std::ostream& operator<<(std::ostream& out, const Text& text) {
  return out << "\"" << text.text << "\" at (" << text.at.x << "," << text.at.y << ")";
}

}  // namespace curveplot::test
