#include "shakeplay/export/GifFile.h"

#include <fcntl.h>
#include <gif_lib.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <memory>

#include "shakeplay/export/GifPalette.h"

namespace shakeplay::exporting {
namespace {

struct MapRelease {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// The smallest power of two from 2 up that holds `colours`, and its bit count.
int mapBits(std::size_t colours) {
  int bits = 1;
  while ((std::size_t{1} << bits) < colours) ++bits;
  return bits;
}

}  // namespace

int gifDelay(int framesPerSecond) {
  return std::max(2, (100 + framesPerSecond / 2) / std::max(1, framesPerSecond));
}

GifFile::GifFile(const std::string& path, int width, int height, int framesPerSecond)
    : path_(path), width_(width), height_(height), delay_(gifDelay(framesPerSecond)) {
  // Created as the other outputs are, readable by others as the umask allows (giflib's own
  // open would make it private to its owner).
  const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (file < 0) throw ExportError("cannot write " + path_ + ": " + std::strerror(errno));
  int error = 0;
  gif_ = EGifOpenFileHandle(file, &error);
  if (gif_ == nullptr) {
    ::close(file);
    fail(error);
  }
  EGifSetGifVersion(gif_, true);
  if (EGifPutScreenDesc(gif_, width, height, 8, 0, nullptr) == GIF_ERROR) fail(gif_->Error);
  // The application extension that makes viewers loop: NETSCAPE2.0, sub-block 1, 0 repeats = for ever.
  static const GifByteType kLoopName[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
  static const GifByteType kLoopForever[] = {1, 0, 0};
  if (EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
      EGifPutExtensionBlock(gif_, sizeof kLoopName, kLoopName) == GIF_ERROR ||
      EGifPutExtensionBlock(gif_, sizeof kLoopForever, kLoopForever) == GIF_ERROR ||
      EGifPutExtensionTrailer(gif_) == GIF_ERROR) {
    fail(gif_->Error);
  }
}

GifFile::~GifFile() {
  if (gif_ != nullptr) EGifCloseFile(gif_, nullptr);
}

void GifFile::fail(int error) {
  const char* text = GifErrorString(error);
  throw ExportError("cannot write " + path_ + ": " + (text != nullptr ? text : "GIF error"));
}

void GifFile::write(const FrameImage& frame) {
  if (frame.width != width_ || frame.height != height_)
    throw ExportError("cannot write " + path_ + ": frames differ in size");
  IndexedFrame indexed = indexFrame(frame);
  const int bits = mapBits(indexed.palette.size());
  std::vector<GifColorType> colours(std::size_t{1} << bits, GifColorType{0, 0, 0});
  for (std::size_t i = 0; i < indexed.palette.size(); ++i) {
    colours[i] = {indexed.palette[i][0], indexed.palette[i][1], indexed.palette[i][2]};
  }
  const std::unique_ptr<ColorMapObject, MapRelease> map(GifMakeMapObject(1 << bits, colours.data()));
  if (!map) throw ExportError("cannot write " + path_ + ": out of memory");

  GraphicsControlBlock control{DISPOSE_DO_NOT, false, delay_, NO_TRANSPARENT_COLOR};
  std::array<GifByteType, 4> extension{};
  const std::size_t length = EGifGCBToExtension(&control, extension.data());
  if (EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension.data()) ==
          GIF_ERROR ||
      EGifPutImageDesc(gif_, 0, 0, width_, height_, false, map.get()) == GIF_ERROR) {
    fail(gif_->Error);
  }
  for (int y = 0; y < height_; ++y) {
    GifPixelType* line =
        indexed.indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
    if (EGifPutLine(gif_, line, width_) == GIF_ERROR) fail(gif_->Error);
  }
}

void GifFile::finish() {
  int error = 0;
  GifFileType* gif = gif_;
  gif_ = nullptr;
  if (EGifCloseFile(gif, &error) == GIF_ERROR) fail(error);
}

}  // namespace shakeplay::exporting
