// A plot window run headlessly on the host's blocks, painted into a recording painter, and the
// recorded calls sorted out by what the plots draw.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/ui/testing/RecordingPainter.h"
#include "platform/ui/testing/ScriptedServices.h"
#include "tests/curveplot/CurveHost.h"

namespace curveplot::test {

using ui::testing::PaintCall;
using ui::testing::PaintOp;
using ui::testing::RecordingPainter;

// The colours the plots draw with.
inline constexpr ui::Rgb kAxisPen{100, 175, 175};
inline constexpr ui::Rgb kCurvePen{175, 47, 80};
inline constexpr ui::Rgb kRed{255, 0, 0};
inline constexpr ui::Rgb kWhite{255, 255, 255};

// The window of a plot program on a host's blocks: constructed, created, shown and sized to
// width x height client pixels; closed with Escape when it goes.
template <class PlotDialog>
class ShownPlot {
 public:
  ShownPlot(CurveHost& host, const std::string& program, int width, int height) {
    host.launch(program);
    dialog_ = std::make_unique<PlotDialog>();
    dialog_->create();
    dialog_->showDialog(true);
    dialog_->resize(width, height);
  }
  ~ShownPlot() {
    dialog_->pressEscape();
    dialog_->destroy();
  }
  ShownPlot(const ShownPlot&) = delete;
  ShownPlot& operator=(const ShownPlot&) = delete;

  PlotDialog& dialog() { return *dialog_; }
  RecordingPainter paint() {
    RecordingPainter painter;
    dialog_->paint(painter);
    return painter;
  }

 private:
  std::unique_ptr<PlotDialog> dialog_;
};

struct Line {
  ui::Point from;
  ui::Point to;
  friend bool operator==(const Line&, const Line&) = default;
};

struct Text {
  ui::Point at;
  std::string text;
  friend bool operator==(const Text&, const Text&) = default;
};

// The lines drawn with a pen of the colour, in order (an arc's leading line included).
std::vector<Line> linesOf(const RecordingPainter& painter, ui::Rgb colour);
// The texts written in the colour, in order.
std::vector<Text> textsOf(const RecordingPainter& painter, ui::Rgb colour);
// The recorded arcs.
std::vector<PaintCall> arcsOf(const RecordingPainter& painter);

// Messages for gtest.
std::ostream& operator<<(std::ostream& out, const Line& line);
std::ostream& operator<<(std::ostream& out, const Text& text);

// Scripted services installed for a test.
class PlotTest : public testing::Test {
 protected:
  ui::testing::ScriptedServices services;
  ui::ScopedServices installed{services};
};

}  // namespace curveplot::test
