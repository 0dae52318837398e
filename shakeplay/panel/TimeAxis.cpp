#include "shakeplay/panel/TimeAxis.h"

#include "platform/FormatText.h"
#include "platform/ui/Painter.h"
#include "shakeplay/core/ShakeplayDoc.h"

namespace shakeplay {
namespace {

constexpr ui::Rgb kBlack{0, 0, 0};
constexpr ui::Rgb kWhite{255, 255, 255};
constexpr int kLongTick = 7;   // at the ends and the middle
constexpr int kShortTick = 4;  // at the quarters

ui::Pen pen(ui::Rgb colour) { return ui::Pen{ui::PenStyle::Solid, 1, colour}; }

}  // namespace

std::string TimeLabel(double time) { return platform::formatText("%9.3e", time); }

void PaintTimeAxis(ui::Painter& painter, const CShakeplayDoc& doc, ui::Rgb panelColour) {
  const TimeAxisGeometry& g = kTimeAxis;
  painter.SelectPen(pen(kBlack));
  painter.MoveTo(g.leftX, g.axisY);
  painter.LineTo(g.rightX, g.axisY);
  const int length = g.rightX - g.leftX;
  for (int quarter = 0; quarter <= 4; ++quarter) {
    const int x = g.leftX + length * quarter / 4;
    painter.MoveTo(x, g.axisY);
    painter.LineTo(x, g.axisY - (quarter % 2 == 0 ? kLongTick : kShortTick));
  }

  painter.SetTextColor(kBlack);
  painter.SetBkColor(panelColour);
  painter.SetBkMode(ui::BackMode::Opaque);
  const int y = g.axisY - g.labelYOffset;
  const double start = doc.result().timeStart;
  const double end = doc.result().timeEnd;
  painter.TextOut(g.leftX, y, TimeLabel(start));
  painter.TextOut((g.leftX + g.rightX) / 2 - g.labelHalfWidth, y, TimeLabel((start + end) / 2));
  painter.TextOut(g.rightX - 2 * g.labelHalfWidth, y, TimeLabel(end));
}

void PaintProgressBar(ui::Painter& painter, const CShakeplayDoc& doc, ui::Rgb panelColour) {
  const TimeAxisGeometry& g = kTimeAxis;
  const int top = g.axisY + g.barOffset;
  const int bottom = top + g.barHeight;
  painter.SelectPen(pen(kWhite));
  painter.MoveTo(g.leftX, top + 1);
  painter.LineTo(g.leftX, bottom);
  painter.LineTo(g.rightX, bottom);
  painter.SelectPen(pen(kBlack));
  painter.MoveTo(g.leftX + 1, top);
  painter.LineTo(g.rightX, top);
  painter.LineTo(g.rightX, bottom);

  const int insideLeft = g.leftX + 1;
  const int insideTop = top + 1;
  const int insideBottom = bottom - 1;
  if (doc.animation().currentFrame() == doc.animation().startFrame()) {
    painter.SelectBrush(ui::Brush{panelColour});
    painter.PaintRgn(insideLeft, insideTop, g.rightX, insideBottom);
  }
  const int fill = doc.animation().progressWidth(g.rightX - g.leftX);
  if (fill > 0) {
    painter.SelectBrush(ui::Brush{kBlack});
    painter.PaintRgn(insideLeft, insideTop, insideLeft + fill, insideBottom);
  }
}

}  // namespace shakeplay
