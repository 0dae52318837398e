// Dialog units: the unit of dialog templates, derived from the dialog font the Windows way.
#pragma once

#include "platform/ui/Geometry.h"

namespace ui {

// Pixels per 4 horizontal / 8 vertical dialog units. The defaults are those of 8-point
// "MS Sans Serif" at 96 dots per inch.
struct BaseUnits {
  int x = 6;
  int y = 13;
  friend bool operator==(const BaseUnits&, const BaseUnits&) = default;
};

// widthOf52Letters: pixel width of "A..Za..z" in the dialog font; fontHeight: its pixel height.
// Horizontal base = (width / 26 + 1) / 2, vertical base = font height.
BaseUnits baseUnitsFromFont(int widthOf52Letters, int fontHeight);

// Converts x, y, width and height one by one (x * baseX / 4, y * baseY / 8, rounded to nearest),
// as the dialog manager lays out a template.
Rect dialogToPixels(const Rect& dialogUnits, BaseUnits base);
Size dialogToPixels(const Size& dialogUnits, BaseUnits base);

}  // namespace ui
