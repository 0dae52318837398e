// A numbered series of PNG files: OUT.png gives OUT-0000.png, OUT-0001.png, ... (more digits
// when the series is longer), written fast rather than small.
#pragma once

#include <string>

#include "shakeplay/export/FrameWriter.h"

namespace shakeplay::exporting {

// The name of frame `index` of a series of `count` frames for the output path OUT.png.
std::string seriesFileName(const std::string& outPath, int index, int count);

// Throws ExportError naming the file when it cannot be written.
void writePng(const std::string& path, const FrameImage& frame);

class PngSeries final : public FrameWriter {
 public:
  PngSeries(std::string outPath, int count) : outPath_(std::move(outPath)), count_(count) {}
  void write(const FrameImage& frame) override;
  void finish() override {}

 private:
  std::string outPath_;
  int count_;
  int next_ = 0;
};

}  // namespace shakeplay::exporting
