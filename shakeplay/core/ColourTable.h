// The 251-entry colour scale: blue, cyan, green, yellow, red in bands of 50, then magenta.
#pragma once

#include <array>

namespace shakeplay {

constexpr int kColourEntries = 251;
using ColourTable = std::array<std::array<float, 3>, kColourEntries>;

ColourTable buildColourTable();
// The table every animation colours its points from, built once.
const ColourTable& standardColourTable();

// The entry that shows colour value v: clamp(floor(v), 0, 250); NaN shows entry 0.
inline int colourIndex(float v) {
  if (v >= 250.0f) return 250;
  if (v >= 0.0f) return static_cast<int>(v);
  return 0;
}

}  // namespace shakeplay
