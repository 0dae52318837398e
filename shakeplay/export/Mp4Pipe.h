// An MP4 made by the ffmpeg program: the frames go to its standard input as raw RGB, and it
// encodes them as H.264 in 4:2:0 (what players expect), padding an odd size by one pixel.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "shakeplay/export/FrameWriter.h"

namespace shakeplay::exporting {

// The ffmpeg program on the PATH, if any.
std::optional<std::string> findFfmpeg();
// The words that start ffmpeg for such an MP4.
std::vector<std::string> ffmpegWords(const std::string& program, int width, int height, int framesPerSecond,
                                     const std::string& outPath);

class Mp4Pipe final : public FrameWriter {
 public:
  // Starts ffmpeg; throws ExportError when it cannot.
  Mp4Pipe(const std::string& program, const std::string& outPath, int width, int height, int framesPerSecond);
  // Without finish (an export that failed): closes the pipe and waits for ffmpeg.
  ~Mp4Pipe() override;
  Mp4Pipe(const Mp4Pipe&) = delete;
  Mp4Pipe& operator=(const Mp4Pipe&) = delete;

  void write(const FrameImage& frame) override;
  // Closes the pipe and waits; throws when ffmpeg failed.
  void finish() override;

 private:
  int closeAndWait();

  std::string outPath_;
  int input_ = -1;
  pid_t child_ = -1;
};

}  // namespace shakeplay::exporting
