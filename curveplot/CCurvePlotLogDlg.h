// curveplotb's window: the curve on a logarithmic value axis of whole decades. The values are
// mapped to pixel heights at the first paint and again when the plot's height changes; the
// abscissas follow the window.
#pragma once

#include <optional>
#include <vector>

#include "curveplot/CCurvePlotBase.h"
#include "curveplot/DecadeAxis.h"
#include "curveplot/PlotFrame.h"

class CCurvePlotLogDlg : public CCurvePlotBase {
 public:
  CCurvePlotLogDlg();

  const curveplot::DecadeAxis& decadeAxis() const { return axis_; }
  const std::optional<curveplot::Peak>& peak() const { return peak_; }
  bool curveMapped() const { return curveMapped_; }

 protected:
  void OnFirstShow() override;  // the block's caption, even an empty one
  void DrawPlot(ui::Painter& painter, int width, int height) override;

 private:
  void mapCurve(const curveplot::PlotFrame& frame);
  void drawCaption(ui::Painter& painter, const curveplot::PlotFrame& frame) const;
  void drawDecades(ui::Painter& painter, const curveplot::PlotFrame& frame) const;
  void drawMarker(ui::Painter& painter, const curveplot::PlotFrame& frame) const;

  curveplot::DecadeAxis axis_;
  std::optional<curveplot::Peak> peak_;
  // Set by the first paint, for the life of the window (there is one per process).
  bool curveMapped_ = false;
  std::vector<curveplot::MappedSegment> mapped_;
  double peakHeight_ = 0.0;
  int mappedBase_ = 0;  // the base line and decade height the heights were mapped for
  int mappedPerDecade_ = 0;
};
