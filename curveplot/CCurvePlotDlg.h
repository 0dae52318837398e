// curveplot's window: the curve on a linear value axis scaled to a power of ten, with its
// value grid, and the point of largest magnitude marked in red.
#pragma once

#include <optional>

#include "curveplot/CCurvePlotBase.h"
#include "curveplot/LinearValueAxis.h"
#include "curveplot/PlotFrame.h"

class CCurvePlotDlg : public CCurvePlotBase {
 public:
  CCurvePlotDlg();

  const curveplot::LinearValueAxis& valueAxis() const { return axis_; }
  const std::optional<curveplot::Peak>& peak() const { return peak_; }

 protected:
  void OnFirstShow() override;  // a caption from the block replaces the resource's
  void OnSize(int cx, int cy) override;
  void DrawPlot(ui::Painter& painter, int width, int height) override;

 private:
  void drawValueAxis(ui::Painter& painter, const curveplot::PlotFrame& frame) const;
  void drawMarker(ui::Painter& painter, const curveplot::PlotFrame& frame) const;

  curveplot::LinearValueAxis axis_;
  std::optional<curveplot::Peak> peak_;
  int lastClientHeight_ = 0;
};
