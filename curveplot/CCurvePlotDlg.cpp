#include "curveplot/CCurvePlotDlg.h"

#include <string>

#include "curveplot/CurvePlotResources.h"
#include "curveplot/PlotDrawing.h"
#include "platform/FormatText.h"

using namespace curveplot;

namespace {
constexpr std::size_t kFirstRecordRead = 1;  // record 0 of the "LINE" block is never read
// Degrees: many turns of the circle, as the program has always drawn it; what shows is the circle
// and the one radius from its centre that the arc starts with.
constexpr double kMarkerSweep = 20340.0;
// Ticks below each value grid line: how far below it, in steps, and how long, in pixels.
constexpr struct {
  double fraction;
  int length;
} kValueTicks[] = {{0.75, 3}, {0.5, 7}, {0.25, 3}};
}  // namespace

CCurvePlotDlg::CCurvePlotDlg() : CCurvePlotBase(linearPlotTemplate(), kFirstRecordRead) {
  if (attachFailed()) return;
  axis_ = linearValueAxis(input.valueTop, input.valueBottom);
  peak_ = findPeak(work, PeakPoints::All);
  for (CurveSegment& s : work) {
    s.y0 = axis_.normalised(s.y0);
    s.y1 = axis_.normalised(s.y1);
  }
  lastClientHeight_ = clientSize().cy;
}

void CCurvePlotDlg::OnFirstShow() {
  if (!input.caption.empty()) SetWindowText(input.caption);
}

void CCurvePlotDlg::OnSize(int cx, int cy) {
  lastClientHeight_ = cy;
  CCurvePlotBase::OnSize(cx, cy);
}

void CCurvePlotDlg::DrawPlot(ui::Painter& painter, int width, int height) {
  const PlotFrame frame = plotFrame(width, height);
  beginPlot(painter, frame);
  painter.TextOut(frame.captionX, frame.captionY, "Value x 1.e" + std::to_string(axis_.exponent));
  drawAbscissaLabels(painter, frame, abscissa);
  if (input.dispersion > 0) {
    painter.TextOut(frame.mid - 50, frame.labelRow,
                    platform::formatText("Dispersion : %9.3e", input.dispersion));
  }
  drawValueAxis(painter, frame);
  drawAbscissaLines(painter, frame);

  painter.SelectPen(solidPen(kCurveColour));
  const double height5 = 5.0 * frame.step;
  for (const CurveSegment& s : work) {
    if (!isFinite(s)) continue;
    drawSegment(painter, frame, s.x0, frame.base - height5 * s.y0, s.x1, frame.base - height5 * s.y1);
  }
  drawMarker(painter, frame);
}

// Labels, then with the axis pen the abscissa axis, and per grid line three ticks and the line.
void CCurvePlotDlg::drawValueAxis(ui::Painter& painter, const PlotFrame& frame) const {
  for (int i = 0; i <= 5; ++i) {
    painter.TextOut(frame.valueLabelX, frame.base - i * frame.step + 5,
                    platform::formatText("%6.3f", axis_.label(i)));
  }
  painter.SelectPen(solidPen(kAxisColour));
  painter.MoveTo(frame.gridStart, frame.base);
  painter.LineTo(frame.gridEnd, frame.base);
  for (int i = 1; i <= 5; ++i) {
    for (const auto& [fraction, length] : kValueTicks) {
      const int y = toPixel(frame.base - (i - fraction) * frame.step);
      painter.MoveTo(frame.left - length, y);
      painter.LineTo(frame.left, y);
    }
    const int y = frame.base - i * frame.step;
    painter.MoveTo(frame.gridStart, y);
    painter.LineTo(frame.gridEnd, y);
  }
}

// The peak's abscissa in red at the bottom, a line up from below the axis to the peak, and a
// circle about the peak.
void CCurvePlotDlg::drawMarker(ui::Painter& painter, const PlotFrame& frame) const {
  if (input.markMaximum < 0 || !peak_) return;
  painter.SelectPen(solidPen(kMarkerColour));
  painter.SetTextColor(kMarkerColour);
  drawPeakAbscissa(painter, frame, abscissa, peak_->arg, lastClientHeight_ - 15);
  const int px = frame.column(peak_->arg);
  const int py = toPixel(frame.base - 5.0 * frame.step * axis_.normalised(peak_->value));
  painter.MoveTo(px, frame.base + 5);
  painter.LineTo(px, py);
  painter.AngleArc(px, py, 10, 0.0, kMarkerSweep);
  painter.SetTextColor(kPlotText);
}
