#include "platform/ui/qt/QtPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include "platform/ui/qt/QtFonts.h"
#include "platform/ui/qt/QtIcon.h"

namespace ui::qt {
namespace {
QColor qcolor(Rgb c) { return QColor(c.r, c.g, c.b); }

Qt::PenStyle qstyle(PenStyle style) {
  switch (style) {
    case PenStyle::Solid:
      return Qt::SolidLine;
    case PenStyle::Dash:
      return Qt::DashLine;
    case PenStyle::Dot:
      return Qt::DotLine;
    case PenStyle::Null:
      return Qt::NoPen;
  }
  return Qt::SolidLine;
}

// GDI boxes exclude their right and bottom edges.
QRect box(int left, int top, int right, int bottom) {
  return QRect(left, top, right - left - 1, bottom - top - 1);
}
}  // namespace

QtPainter::QtPainter(QPainter& painter) : painter_(painter) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
}

void QtPainter::usePenAndBrush(bool fill) {
  const Pen& pen = state().pen;
  QPen qpen(qcolor(pen.colour), pen.width <= 1 ? 0 : pen.width, qstyle(pen.style));
  painter_.setPen(qpen);
  const Brush& brush = state().brush;
  painter_.setBrush(fill && !brush.hollow ? QBrush(qcolor(brush.colour)) : QBrush(Qt::NoBrush));
}

// A line stops short of its end point, as LineTo does: flat caps leave the last pixel out, and
// a line of no length leaves nothing.
void QtPainter::drawLine(Point from, Point to) {
  if (from == to) return;
  usePenAndBrush(false);
  QPen pen = painter_.pen();
  pen.setCapStyle(Qt::FlatCap);
  painter_.setPen(pen);
  painter_.drawLine(from.x, from.y, to.x, to.y);
}

void QtPainter::drawRectangle(int left, int top, int right, int bottom) {
  usePenAndBrush(true);
  painter_.drawRect(box(left, top, right, bottom));
}

void QtPainter::drawEllipse(int left, int top, int right, int bottom) {
  usePenAndBrush(true);
  painter_.drawEllipse(box(left, top, right, bottom));
}

void QtPainter::drawArc(int left, int top, int right, int bottom, double startDegrees, double sweepDegrees) {
  usePenAndBrush(false);
  painter_.drawArc(box(left, top, right, bottom), static_cast<int>(startDegrees * 16),
                   static_cast<int>(sweepDegrees * 16));
}

void QtPainter::fillPolygon(const std::vector<Point>& polygon) {
  if (state().brush.hollow) return;
  QPolygon points;
  for (const Point& p : polygon) points << QPoint(p.x, p.y);
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(qcolor(state().brush.colour));
  painter_.drawPolygon(points);
}

void QtPainter::drawText(Point topLeft, const std::string& text) {
  const Font& f = state().font;
  const QFont font = paintFont(f.face, f.height, f.fixedPitch, f.bold);
  const QFontMetrics metrics(font);
  const QString qtext = QString::fromStdString(text);
  if (state().backMode == BackMode::Opaque) {
    painter_.fillRect(QRect(topLeft.x, topLeft.y, metrics.horizontalAdvance(qtext), metrics.height()),
                      qcolor(state().backColour));
  }
  painter_.setFont(font);
  painter_.setPen(qcolor(state().textColour));
  painter_.drawText(topLeft.x, topLeft.y + metrics.ascent(), qtext);
}

void QtPainter::drawIcon(Point topLeft, const IconImage& icon) {
  painter_.drawImage(QPoint(topLeft.x, topLeft.y), toImage(icon));
}

}  // namespace ui::qt
