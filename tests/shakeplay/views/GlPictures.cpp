#include "tests/shakeplay/views/GlPictures.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cstdlib>

#include "tests/support/Pictures.h"

namespace shakeplay::test {

std::unique_ptr<gl::EglPbuffer> makePbuffer(int width, int height) {
  std::string error;
  auto pbuffer = gl::EglPbuffer::create(width, height, error);
  if (!pbuffer) ADD_FAILURE() << "no EGL pbuffer: " << error;
  return pbuffer;
}

bool near(std::uint32_t a, std::uint32_t b, int tolerance) {
  for (int shift : {16, 8, 0}) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFFu) - static_cast<int>((b >> shift) & 0xFFu)) >
        tolerance) {
      return false;
    }
  }
  return true;
}

Picture::Picture(const gl::EglPbuffer& pbuffer)
    : width_(pbuffer.width()), height_(pbuffer.height()), pixels_(pbuffer.readPixels()) {}

PixelBox Picture::boxOf(const std::function<bool(std::uint32_t)>& matches) const {
  PixelBox box;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (!matches(at(x, y))) continue;
      if (box.left < 0) {
        box = {x, y, x, y};
        continue;
      }
      box.left = std::min(box.left, x);
      box.right = std::max(box.right, x);
      box.top = std::min(box.top, y);
      box.bottom = std::max(box.bottom, y);
    }
  }
  return box;
}

int Picture::count(int x0, int y0, int x1, int y1, const std::function<bool(std::uint32_t)>& matches) const {
  int found = 0;
  for (int y = std::max(y0, 0); y <= std::min(y1, height_ - 1); ++y) {
    for (int x = std::max(x0, 0); x <= std::min(x1, width_ - 1); ++x) found += matches(at(x, y)) ? 1 : 0;
  }
  return found;
}

void Picture::save(const std::string& name) const {
  QImage image(width_, height_, QImage::Format_RGB32);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) image.setPixel(x, y, 0xFF000000u | at(x, y));
  }
  image.save(QString::fromStdString(testsupport::picturePath(name)));
}

}  // namespace shakeplay::test
