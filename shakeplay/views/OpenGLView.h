// The base of the small OpenGL views: the first set-up failure, the driver's identification,
// bitmap-font lists and a pixel-true projection (one unit per pixel, origin at the centre).
#pragma once

#include <array>
#include <string>

#include "platform/gl/BitmapFont.h"
#include "shakeplay/views/GlSurface.h"

namespace shakeplay {

// Set-up failures, by index; the view keeps the first one.
enum GlError {
  kNoError,
  kNoDC,
  kChoosePixelFormat,
  kSelectPixelFormat,
  kCreateContext,
  kMakeCurrent,
  kDeleteContext,
  kSwapBuffers
};
inline constexpr std::array<const char*, 8> kGlErrorTexts{"No Error",
                                                          "Unable to get a DC",
                                                          "ChoosePixelFormat failed",
                                                          "SelectPixelFormat failed",
                                                          "wglCreateContext failed",
                                                          "wglMakeCurrent failed",
                                                          "wglDeleteContext failed",
                                                          "SwapBuffers failed"};

// What a failed identification query gives.
inline constexpr const char* kNoInformation = "no-information-available";

// 0 for a software renderer, 2 for a device's own driver (1, a generic format with
// acceleration, has no counterpart here).
int acceleratorClassOf(const std::string& renderer);

class COpenGLView {
 public:
  COpenGLView(GlSurface& surface, gl::GlyphSource glyphs);
  // The font lists go with the view: destroy it with its context current.
  virtual ~COpenGLView();
  COpenGLView(const COpenGLView&) = delete;
  COpenGLView& operator=(const COpenGLView&) = delete;

  // The set-up once the window system has done its part: `windowSystemError` is kNoError with
  // the context current, otherwise the failure, which is recorded and leaves the view without
  // drawing. Returns whether the view can draw.
  bool InitializeOpenGL(GlError windowSystemError);
  void RecordError(GlError error);
  void OnSize(int w, int h);
  virtual void SetClearColour();
  void SetViewport(int w, int h);
  bool BuildBitmapFont(const std::string& face);
  bool ready() const { return ready_; }

  unsigned fontBase = 0;
  const char* errorText = kGlErrorTexts[kNoError];
  int accelClass = 0;
  std::string glVendor, glRenderer, glVersion, glExtensions;

 protected:
  GlSurface& surface() { return surface_; }

 private:
  GlSurface& surface_;
  gl::GlyphSource glyphs_;
  bool ready_ = false;
};

}  // namespace shakeplay
