// The places of a curve plot in a client area of width x height pixels, in whole pixels from
// truncating integer arithmetic on the proportions of a 572 x 464 plot.
#pragma once

namespace curveplot {

struct PlotFrame {
  int width = 0;
  int height = 0;
  int step = 0;      // distance of the value grid lines
  int captionX = 0;  // the label above the plot: the exponent, or "Maximum"
  int captionY = 0;
  int topMargin = 0;  // height * 20 / 464
  int left = 0;       // abscissa ends
  int right = 0;
  int mid = 0;
  int gridStart = 0;  // ends of the value grid lines and the abscissa axis
  int gridEnd = 0;
  int base = 0;     // the abscissa axis
  int lineTop = 0;  // vertical lines at left, mid and right
  int lineBottom = 0;
  int labelRow = 0;     // abscissa labels
  int valueLabelX = 0;  // value labels

  // Moves the abscissa ends right by `pixels`; mid follows.
  void shiftRight(int pixels);
  // The pixel column of a normalised abscissa: left + (right - left) * x, truncated.
  int column(double x) const;
};

PlotFrame plotFrame(int width, int height);

// A pixel coordinate worked out in floating point, truncated toward zero; coordinates far
// outside any window (and NaN) are held at +-kFarPixel so that they stay whole numbers.
inline constexpr int kFarPixel = 1 << 24;
int toPixel(double coordinate);

}  // namespace curveplot
