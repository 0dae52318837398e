// The colours of a frame brought down to a GIF's 256 at most: exactly when the frame has no
// more than 256 colours, otherwise by median cut over the colours rounded to 5 bits a channel.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "shakeplay/export/FrameWriter.h"

namespace shakeplay::exporting {

struct IndexedFrame {
  std::vector<std::array<std::uint8_t, 3>> palette;  // 1 .. 256 entries
  std::vector<std::uint8_t> indices;                 // one per pixel, rows from the top
  bool exact = false;                                // every pixel keeps its colour
};

IndexedFrame indexFrame(const FrameImage& frame);

}  // namespace shakeplay::exporting
