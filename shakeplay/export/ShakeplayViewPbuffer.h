// shakeplay's model view drawing on a Mesa EGL pbuffer instead of a window: the same view
// class, started up as the window starts it, turned as the mouse would turn it, and then drawn
// by the document's own ticks.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gl/EglPbuffer.h"
#include "shakeplay/export/ExportOptions.h"
#include "shakeplay/export/FrameWriter.h"
#include "shakeplay/views/ShakeplayView.h"

namespace shakeplay::exporting {

// The depth and alpha planes of the framebuffer object the window draws into: with the same
// depth the same fragments win, and Mesa rounds the smoothed lines' blending alike only when
// the target has an alpha plane too.
inline constexpr int kModelViewDepthBits = 24;
inline constexpr int kModelViewAlphaBits = 8;

class ShakeplayViewPbuffer {
 public:
  // Null with the reason in `error` when no pbuffer of that size can be had.
  static std::unique_ptr<ShakeplayViewPbuffer> create(CShakeplayDoc& doc, int width, int height,
                                                      std::string& error);
  ~ShakeplayViewPbuffer();
  ShakeplayViewPbuffer(const ShakeplayViewPbuffer&) = delete;
  ShakeplayViewPbuffer& operator=(const ShakeplayViewPbuffer&) = delete;

  // The window's first two renders (the second after the size it posts), then the turns; from
  // then on the document's ticks draw here.
  void startUp(const std::vector<ViewTurn>& turns);
  // The pixels of the frame drawn last into the top rows of `frame` (as wide as the view).
  void readInto(FrameImage& frame);

  CShakeplayView& view() { return view_; }
  gl::EglPbuffer& pbuffer() { return *pbuffer_; }

 private:
  class Window final : public ShakeplayViewHost {
   public:
    explicit Window(gl::EglPbuffer& pbuffer) : pbuffer_(pbuffer) {}
    bool makeCurrent() override { return pbuffer_.makeCurrent(); }
    void swapBuffers() override { pbuffer_.swapBuffers(); }
    // Nothing is posted: the start-up does the size and paint the window would post.
    void invalidate() override {}
    void postSizeAndPaint() override {}
    void widenControlPanel() override {}
    void repaintOrientationBox() override {}

   private:
    gl::EglPbuffer& pbuffer_;
  };

  ShakeplayViewPbuffer(CShakeplayDoc& doc, std::unique_ptr<gl::EglPbuffer> pbuffer);

  CShakeplayDoc& doc_;
  std::unique_ptr<gl::EglPbuffer> pbuffer_;
  Window window_;
  CShakeplayView view_;
  std::vector<std::uint8_t> rows_;  // as OpenGL reads them, from the bottom
};

}  // namespace shakeplay::exporting
