// What curveplot and curveplotb share as windows: the curve read from the host's blocks (which
// are let go before the window exists), the abscissa normalised, the icon, repainting on
// resize, and Ctrl+C. The two plots differ only in their value axis, drawn by DrawPlot.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "curveplot/CurveGeometry.h"
#include "curveplot/CurveReader.h"
#include "runtime/skeleton/CPrettyDialog.h"

class CCurvePlotBase : public CPrettyDialog {
 public:
  // true when the blocks could not be read: the user has been told, and the dialog ends as it
  // opens.
  bool attachFailed() const { return attachFailed_; }

  // The curve as text, one "x0<TAB>y0<TAB>x1<TAB>y1" line per record read, values as read.
  std::string curveText() const;

 protected:
  // Splits the command line and reads the curve, records from firstRecord on.
  CCurvePlotBase(const ui::DialogTemplate& dialogTemplate, std::size_t firstRecord);

  bool OnInitDialog() override;
  void OnSize(int cx, int cy) override;  // repaints the whole client area
  void OnPaint(ui::Painter& painter) override;
  void OnEditCopy() override;  // the plot as a picture and the curve as text

  // Draws the whole plot into a client area of width x height pixels.
  virtual void DrawPlot(ui::Painter& painter, int width, int height) = 0;

  // The curve as read; `work` holds its segments with normalised abscissas.
  curveplot::CurveInput input;
  std::vector<CurveSegment> work;
  curveplot::AbscissaRange abscissa;

 private:
  ui::HICON icon_ = nullptr;
  bool attachFailed_ = false;
};
