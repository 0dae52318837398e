// A frame as the exporter hands it on, and what takes the frames: a PNG series, a GIF, an MP4.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace shakeplay::exporting {

// 8-bit RGB, rows from the top, no padding.
struct FrameImage {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgb;
  std::uint8_t* row(int y) {
    return rgb.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 3;
  }
  const std::uint8_t* row(int y) const {
    return rgb.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 3;
  }
};

// A file that cannot be written, or an encoder that gave up: the message says which and why.
class ExportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class FrameWriter {
 public:
  virtual ~FrameWriter() = default;
  // Throws ExportError.
  virtual void write(const FrameImage& frame) = 0;
  // After the last frame: completes the file(s). Throws ExportError.
  virtual void finish() = 0;
};

}  // namespace shakeplay::exporting
