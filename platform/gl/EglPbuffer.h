// An OpenGL context with no window system: a Mesa EGL pbuffer on the surfaceless platform, so
// that drawing code runs (and is checked by its pixels, or timed) with no X server at all.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace gl {

class EglPbuffer {
 public:
  // A compatibility-profile context on a width x height pbuffer with 8-bit RGB, at least
  // `alphaBits` of alpha and a depth buffer of at least `depthBits`, made current. Null with the
  // reason in `error` when EGL cannot give one.
  static std::unique_ptr<EglPbuffer> create(int width, int height, std::string& error, int depthBits = 16,
                                            int alphaBits = 0);
  ~EglPbuffer();
  EglPbuffer(const EglPbuffer&) = delete;
  EglPbuffer& operator=(const EglPbuffer&) = delete;

  bool makeCurrent();
  void swapBuffers();
  int width() const { return width_; }
  int height() const { return height_; }

  // The pixels drawn, as 0xRRGGBB, row by row from the top.
  std::vector<std::uint32_t> readPixels() const;

 private:
  EglPbuffer() = default;
  void* display_ = nullptr;
  void* surface_ = nullptr;
  void* context_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace gl
