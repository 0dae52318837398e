// Drawing icon pictures by code: a picture filled with one colour, and smooth strokes on it.
#pragma once

#include <vector>

#include "platform/ui/Geometry.h"
#include "platform/ui/Icon.h"

namespace ui {

// A position in pixel coordinates: (0, 0) is the top-left corner of the picture, the centre of
// pixel (x, y) is (x + 0.5, y + 0.5).
struct PointF {
  double x = 0.0;
  double y = 0.0;
};

// An opaque picture of the given size (both at least 1) in one colour.
IconImage filledIcon(int width, int height, Rgb colour);

// Strokes the open polyline through the points with a line of the given width. A pixel takes
// the colour by the share of it the line covers (edges are blended, not stair-stepped); the
// picture stays opaque. Fewer than two points draw nothing.
void strokePolyline(IconImage& image, const std::vector<PointF>& points, double width, Rgb colour);

}  // namespace ui
