// A plot window run headlessly on the host's blocks and painted into a recording painter, and
// what it drew sorted out by colour.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/ui/testing/RecordingPainter.h"
#include "platform/ui/testing/ScriptedServices.h"
#include "tests/curveplot/CurveHost.h"

namespace curveplot::test {

using ui::testing::PaintCall;
using ui::testing::PaintOp;
using ui::testing::RecordingPainter;

inline constexpr ui::Rgb kAxisPen{100, 175, 175};
inline constexpr ui::Rgb kCurvePen{175, 47, 80};
inline constexpr ui::Rgb kRed{255, 0, 0};
inline constexpr ui::Rgb kWhite{255, 255, 255};

// The window of a plot program on a host's blocks, created, shown and sized to width x height
// client pixels; closed with Escape when it goes.
template <class PlotDialog>
class ShownPlot {
 public:
  ShownPlot(const Curve& curve, const std::string& program, int width, int height) : host(curve) {
    host.launch(program);
    dialog = std::make_unique<PlotDialog>();
    dialog->create();
    dialog->showDialog(true);
    dialog->resize(width, height);
  }
  ~ShownPlot() {
    dialog->pressEscape();
    dialog->destroy();
  }
  RecordingPainter paint() {
    RecordingPainter painter;
    dialog->paint(painter);
    return painter;
  }

  CurveHost host;
  std::unique_ptr<PlotDialog> dialog;
};

struct Line {
  ui::Point from, to;
  friend bool operator==(const Line&, const Line&) = default;
  friend std::ostream& operator<<(std::ostream& o, const Line& l) {
    return o << "(" << l.from.x << "," << l.from.y << ")-(" << l.to.x << "," << l.to.y << ")";
  }
};

struct Text {
  ui::Point at;
  std::string text;
  friend bool operator==(const Text&, const Text&) = default;
  friend std::ostream& operator<<(std::ostream& o, const Text& t) {
    return o << "\"" << t.text << "\" at (" << t.at.x << "," << t.at.y << ")";
  }
};

// The lines drawn with a pen of the colour (an arc's leading line included), in order.
inline std::vector<Line> linesOf(const RecordingPainter& painter, ui::Rgb colour) {
  std::vector<Line> lines;
  for (const PaintCall& c : painter.callsOf(PaintOp::Line)) {
    if (c.state.pen.colour == colour) lines.push_back({c.points[0], c.points[1]});
  }
  return lines;
}

// The texts written in the colour, in order.
inline std::vector<Text> textsOf(const RecordingPainter& painter, ui::Rgb colour) {
  std::vector<Text> texts;
  for (const PaintCall& c : painter.callsOf(PaintOp::Text)) {
    if (c.state.textColour == colour) texts.push_back({c.points[0], c.text});
  }
  return texts;
}

template <class Item>
bool contains(const std::vector<Item>& items, const Item& item) {
  return std::find(items.begin(), items.end(), item) != items.end();
}

class PlotTest : public testing::Test {
 protected:
  ui::testing::ScriptedServices services;
  ui::ScopedServices installed{services};
};

}  // namespace curveplot::test
