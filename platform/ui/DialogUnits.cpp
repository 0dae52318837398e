#include "platform/ui/DialogUnits.h"

#include <cstdlib>

namespace ui {
namespace {
// a * b / c rounded to the nearest integer, halves away from zero.
int mulDiv(int a, int b, int c) {
  const long long product = static_cast<long long>(a) * b;
  const long long magnitude = (std::llabs(product) + c / 2) / c;
  return static_cast<int>(product < 0 ? -magnitude : magnitude);
}
}  // namespace

BaseUnits baseUnitsFromFont(int widthOf52Letters, int fontHeight) {
  return BaseUnits{(widthOf52Letters / 26 + 1) / 2, fontHeight};
}

Rect dialogToPixels(const Rect& du, BaseUnits base) {
  return Rect{mulDiv(du.x, base.x, 4), mulDiv(du.y, base.y, 8), mulDiv(du.cx, base.x, 4),
              mulDiv(du.cy, base.y, 8)};
}

Size dialogToPixels(const Size& du, BaseUnits base) {
  return Size{mulDiv(du.cx, base.x, 4), mulDiv(du.cy, base.y, 8)};
}

}  // namespace ui
