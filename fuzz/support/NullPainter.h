// A painter that draws nothing: the tool computes every coordinate and text as for a window,
// and they are dropped. Cheaper than recording them, run after run.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/Painter.h"

namespace fuzzsupport {

class NullPainter final : public ui::Painter {
 protected:
  void drawLine(ui::Point, ui::Point) override {}
  void drawRectangle(int, int, int, int) override {}
  void drawEllipse(int, int, int, int) override {}
  void drawArc(int, int, int, int, double, double) override {}
  void fillPolygon(const std::vector<ui::Point>&) override {}
  void drawText(ui::Point, const std::string&) override {}
  void drawIcon(ui::Point, const ui::IconImage&) override {}
};

}  // namespace fuzzsupport
