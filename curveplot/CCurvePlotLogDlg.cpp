#include "curveplot/CCurvePlotLogDlg.h"

#include <cmath>

#include "curveplot/CurvePlotResources.h"
#include "curveplot/PlotDrawing.h"
#include "platform/FormatText.h"

using namespace curveplot;

namespace {
constexpr std::size_t kFirstRecordRead = 0;
// Degrees: many turns of the circle, as the program has always drawn it (a different count from
// curveplot's, and the circle off the peak by 5 pixels up and left: both kept as they were).
constexpr double kMarkerSweep = 24000.0;
constexpr int kMaximumTextOffset = 72;  // the peak's magnitude stands this far right of "Maximum"
constexpr int kFrameShift = 10;         // the abscissa's frame stands right of the decade labels
}  // namespace

CCurvePlotLogDlg::CCurvePlotLogDlg() : CCurvePlotBase(logPlotTemplate(), kFirstRecordRead) {
  if (attachFailed()) return;
  axis_ = curveplot::decadeAxis(input.valueTop, input.valueBottom);
  peak_ = findPeak(work, PeakPoints::PositiveOnly);
}

void CCurvePlotLogDlg::OnFirstShow() { SetWindowText(input.caption); }

// The heights follow the decade lines: the curve is mapped again whenever the base line or the
// height of a decade has changed since it was last mapped.
void CCurvePlotLogDlg::mapCurve(const PlotFrame& frame) {
  const int perDecade = pixelsPerDecade(frame.base, frame.height, axis_.decades());
  if (curveMapped_ && frame.base == mappedBase_ && perDecade == mappedPerDecade_) return;
  mapped_ = mapToHeights(work, axis_, frame.base, perDecade);
  if (peak_) peakHeight_ = heightOf(peak_->value, axis_, frame.base, perDecade);
  mappedBase_ = frame.base;
  mappedPerDecade_ = perDecade;
  curveMapped_ = true;
}

void CCurvePlotLogDlg::DrawPlot(ui::Painter& painter, int width, int height) {
  PlotFrame frame = plotFrame(width, height);
  beginPlot(painter, frame);
  mapCurve(frame);
  drawCaption(painter, frame);
  drawAbscissaLabels(painter, frame, abscissa);
  if (input.dispersion >= 0) {
    painter.TextOut(frame.mid - 50, frame.topMargin,
                    platform::formatText("Dispersion : %9.3e", input.dispersion));
  }
  drawDecades(painter, frame);

  frame.shiftRight(kFrameShift);
  drawAbscissaLines(painter, frame);
  painter.SelectPen(solidPen(kCurveColour));
  const double belowBase = frame.base + 1.0;
  for (const MappedSegment& s : mapped_) {
    if (s.placed && s.y0 < belowBase && s.y1 < belowBase && s.x0 > 0 && s.x1 > 0) {
      drawSegment(painter, frame, s.x0, s.y0, s.x1, s.y1);
    }
  }
  drawMarker(painter, frame);
}

// "Maximum" in white and, beside it, the peak's magnitude in red.
void CCurvePlotLogDlg::drawCaption(ui::Painter& painter, const PlotFrame& frame) const {
  painter.TextOut(frame.captionX, frame.captionY, "Maximum");
  if (!peak_) return;
  painter.SetTextColor(kMarkerColour);
  painter.TextOut(frame.captionX + kMaximumTextOffset, frame.captionY,
                  platform::formatText(" = %9.3e", peak_->magnitude));
  painter.SetTextColor(kPlotText);
}

// With the axis pen: a label per decade, the decade lines, and the ticks within each decade.
void CCurvePlotLogDlg::drawDecades(ui::Painter& painter, const PlotFrame& frame) const {
  painter.SelectPen(solidPen(kAxisColour));
  const int decades = axis_.decades();
  const int perDecade = pixelsPerDecade(frame.base, frame.height, decades);
  for (int r = 0; r <= decades; ++r) {
    painter.TextOut(frame.valueLabelX, frame.base - r * perDecade + 5,
                    platform::formatText("%6.1e", std::pow(10.0, r + axis_.bottomDecade)));
  }
  const int ticks = axis_.ticksPerDecade();
  for (int r = 0; r <= decades; ++r) {
    const int y = frame.base - r * perDecade;
    painter.MoveTo(frame.left + 3, y);
    painter.LineTo(frame.right + 10, y);
    if (r == decades) break;
    for (int j = 1; j < ticks; ++j) {
      const double ratio = static_cast<double>(j) / (ticks - 1);
      const int t = toPixel(frame.base - (r + 1 + std::log10(ratio)) * perDecade);
      painter.MoveTo(frame.left + 3, t);
      painter.LineTo(frame.left + 10, t);
    }
  }
}

// A short line across the axis at the peak's column, the peak's abscissa below it, a line from
// the peak down to the axis, and a circle 5 pixels up and left of the peak.
void CCurvePlotLogDlg::drawMarker(ui::Painter& painter, const PlotFrame& frame) const {
  if (input.markMaximum <= 0 || !peak_) return;
  painter.SelectPen(solidPen(kMarkerColour));
  const int px = frame.column(peak_->arg);
  const int py = toPixel(peakHeight_);
  painter.MoveTo(px, frame.base - 5);
  painter.LineTo(px, frame.base + 5);
  drawPeakAbscissa(painter, frame, abscissa, peak_->arg, frame.base + 50);
  painter.MoveTo(px, py);
  painter.LineTo(px, frame.base + 5);
  painter.AngleArc(px - 5, py - 5, 10, 0.0, kMarkerSweep);
}
