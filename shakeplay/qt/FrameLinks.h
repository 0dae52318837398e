// What the views ask of the main window, which holds them all (the application's pointers
// from one window to another).
#pragma once

#include <string>

namespace shakeplay {

class FrameLinks {
 public:
  virtual ~FrameLinks() = default;
  virtual void widenControlPanel() = 0;
  virtual void repaintOrientationBox() = 0;
  // Escape in the orientation box: it closes, later (a posted close).
  virtual void closeOrientationBox() = 0;
  virtual void orientationBoxPainted() = 0;
  // A view got no OpenGL context after the window existed: say so and end with code 1.
  virtual void openGLFailed(const std::string& reason) = 0;
  virtual void showAbout() = 0;
};

}  // namespace shakeplay
