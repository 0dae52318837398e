// The Painter on a QPainter: GDI's drawing, aliased, in client pixels.
#pragma once

#include "platform/ui/Painter.h"

class QPainter;

namespace ui::qt {

class QtPainter final : public Painter {
 public:
  explicit QtPainter(QPainter& painter);

 protected:
  void drawLine(Point from, Point to) override;
  void drawRectangle(int left, int top, int right, int bottom) override;
  void drawEllipse(int left, int top, int right, int bottom) override;
  void drawArc(int left, int top, int right, int bottom, double startDegrees, double sweepDegrees) override;
  void fillPolygon(const std::vector<Point>& polygon) override;
  void drawText(Point topLeft, const std::string& text) override;
  void drawIcon(Point topLeft, const IconImage& icon) override;

 private:
  void usePenAndBrush(bool fill);
  QPainter& painter_;
};

}  // namespace ui::qt
