// An animated GIF that loops for ever: one image per frame, each with its own palette, shown
// for 1/fps seconds (in the format's hundredths).
#pragma once

#include <string>

#include "shakeplay/export/FrameWriter.h"

struct GifFileType;

namespace shakeplay::exporting {

// The delay between frames in hundredths of a second: at least 2, as browsers slow anything
// shorter down to a tenth of a second.
int gifDelay(int framesPerSecond);

class GifFile final : public FrameWriter {
 public:
  // Creates the file; throws ExportError when it cannot.
  GifFile(const std::string& path, int width, int height, int framesPerSecond);
  ~GifFile() override;
  GifFile(const GifFile&) = delete;
  GifFile& operator=(const GifFile&) = delete;

  void write(const FrameImage& frame) override;
  void finish() override;

 private:
  [[noreturn]] void fail(int error);

  std::string path_;
  int width_, height_;
  int delay_;
  GifFileType* gif_ = nullptr;
};

}  // namespace shakeplay::exporting
