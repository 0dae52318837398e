#include "shakeplay/core/ColourTable.h"

namespace shakeplay {

ColourTable buildColourTable() {
  ColourTable table{};
  for (int k = 0; k < kColourEntries; ++k) {
    const float f = static_cast<float>(k);
    std::array<float, 3>& c = table[k];
    if (k < 50) {
      c = {0.0f, 0.05f + 0.02f * f, 1.0f};
    } else if (k < 100) {
      c = {0.0f, 1.0f, 1.0f - 0.02f * (f - 50.0f)};
    } else if (k < 150) {
      c = {0.02f * (f - 100.0f), 1.0f, 0.0f};
    } else if (k < 200) {
      c = {1.0f, 1.0f - 0.02f * (f - 150.0f), 0.0f};
    } else if (k < 250) {
      c = {1.0f, 0.0f, 0.02f * (f - 200.0f)};
    } else {
      c = {1.0f, 0.0f, 1.0f};
    }
  }
  return table;
}

const ColourTable& standardColourTable() {
  static const ColourTable table = buildColourTable();
  return table;
}

}  // namespace shakeplay
