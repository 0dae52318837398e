// What a view's drawing needs from the thing it draws on: its context made current, and the
// finished frame shown. A window implements it; so does an off-screen pbuffer in tests.
#pragma once

namespace shakeplay {

class GlSurface {
 public:
  virtual ~GlSurface() = default;
  // false when the surface has no usable context.
  virtual bool makeCurrent() = 0;
  virtual void swapBuffers() = 0;
};

}  // namespace shakeplay
