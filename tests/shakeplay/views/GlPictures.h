// Drawing on a Mesa EGL pbuffer in tests (no X server) and looking at what was drawn.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gl/EglPbuffer.h"
#include "shakeplay/views/ShakeplayView.h"

namespace shakeplay::test {

// A pbuffer of the size, made current; a failure to get one fails the test.
std::unique_ptr<gl::EglPbuffer> makePbuffer(int width, int height);

// The model view's window on a pbuffer: draws there and counts what the view asked for.
class PbufferWindow final : public ShakeplayViewHost {
 public:
  explicit PbufferWindow(gl::EglPbuffer& pbuffer) : pbuffer_(pbuffer) {}
  bool makeCurrent() override { return pbuffer_.makeCurrent(); }
  void swapBuffers() override { ++swaps; }
  void invalidate() override { ++invalidates; }
  void postSizeAndPaint() override { ++postedSizes; }
  void widenControlPanel() override { ++panelWidenings; }
  void repaintOrientationBox() override { ++boxRepaints; }

  int swaps = 0, invalidates = 0, postedSizes = 0, panelWidenings = 0, boxRepaints = 0;

 private:
  gl::EglPbuffer& pbuffer_;
};

constexpr std::uint32_t rgb(int r, int g, int b) {
  return (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) |
         static_cast<std::uint32_t>(b);
}
// Each channel within `tolerance`.
bool near(std::uint32_t a, std::uint32_t b, int tolerance = 1);

struct PixelBox {
  int left = -1, top = -1, right = -1, bottom = -1;  // inclusive; -1 when nothing matched
};

// What a pbuffer shows, row by row from the top.
class Picture {
 public:
  explicit Picture(const gl::EglPbuffer& pbuffer);
  int width() const { return width_; }
  int height() const { return height_; }
  std::uint32_t at(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
  // The smallest box holding every pixel for which `matches` holds.
  PixelBox boxOf(const std::function<bool(std::uint32_t)>& matches) const;
  // How many pixels of the box x0..x1, y0..y1 (inclusive) match.
  int count(int x0, int y0, int x1, int y1, const std::function<bool(std::uint32_t)>& matches) const;
  // Saved in the pictures folder for people to look at.
  void save(const std::string& name) const;

 private:
  int width_, height_;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace shakeplay::test
