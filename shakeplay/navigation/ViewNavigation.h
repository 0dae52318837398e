// The model view's navigation and projection rules, without a window or OpenGL: the size it
// projects for, the zoom, pan and rotation that the mouse and the pop-up menu change, and what
// the window has to do after each input (repaint, capture, cursor, menu).
#pragma once

#include <optional>

#include "shakeplay/navigation/Matrix4.h"

namespace shakeplay {

struct ViewFraming;

// An orthographic projection box (glOrtho's arguments).
struct OrthoBox {
  double left, right, bottom, top, nearZ, farZ;
};

// What the window does after an input; a set of these bits.
namespace effect {
inline constexpr unsigned kInvalidate = 1u << 0;         // paint later (RenderScene)
inline constexpr unsigned kCapture = 1u << 1;            // capture the mouse
inline constexpr unsigned kRelease = 1u << 2;            // release the capture
inline constexpr unsigned kZoomCursor = 1u << 3;         // show the zoom cursor
inline constexpr unsigned kArrowCursor = 1u << 4;        // show the arrow
inline constexpr unsigned kNotifyOrientation = 1u << 5;  // the orientation changed
inline constexpr unsigned kShowMenu = 1u << 6;           // pop-up menu 142 at the cursor
}  // namespace effect

// Commands of pop-up menu 142.
inline constexpr int ID_MODE = 32783;
inline constexpr int ID_ZOOM_X2 = 32784;
inline constexpr int ID_ZOOM_X4 = 32785;
inline constexpr int ID_RESTORE = 32786;

// The smallest positive step above 0: a zoom that would reach 0 or below stops here.
inline constexpr double kSmallestScale = 2.220446049250313e-16;

enum class MouseButton { Left, Middle, Right };

struct MousePos {
  int x = 0, y = 0;
};

class ViewNavigation {
 public:
  explicit ViewNavigation(const ViewFraming& framing);

  // A size message of w x h pixels: takes the size (unless skipNextSize keeps the stored one,
  // or the size is empty) and the radius and depth of the framing.
  void resize(int w, int h);
  // The projection box when it has to be set now: not while viewRadius is 0 or skipNextSize is
  // set, nor when scale, width and height equal those of the last box given. Records the box.
  std::optional<OrthoBox> takeProjection();
  // The box for the current scale and size, whether or not it has to be set.
  OrthoBox projection() const;

  unsigned buttonDown(MouseButton button, int x, int y);
  unsigned buttonUp(MouseButton button);
  unsigned mouseMove(int x, int y);
  unsigned leftDoubleClick(int x, int y, bool control);
  unsigned menuCommand(int id);
  // The Control key went down or up.
  unsigned controlKey(bool down);

  // Copies the framing's view matrix into the rotation (the first render).
  void loadViewMatrix();

  int width = 0, height = 0;
  double aspect = 1.0;
  float viewRadius = 0.0f;
  double depth = 0.0;
  double scale = 1.0;
  Matrix4 rotationMatrix = identity4();
  Matrix4 panMatrix = identity4();
  float pickZoom = 1.0f;
  int pickArmed = 0;
  int zooming = 0, panning = 0, rotating = 0;
  MousePos lastZoomPos, lastPanPos, lastRotatePos;
  bool edgesOnly = false;
  int skipNextSize = 0;

 private:
  unsigned startDrag(int& flag, MousePos& last, int x, int y);
  unsigned pickZoomAt(int x, int y);
  unsigned armPick(float zoom);
  int shorterSide() const;

  const ViewFraming& framing_;
  // The scale and size of the last projection set.
  double projectedScale_ = -1.0;
  int projectedWidth_ = -1, projectedHeight_ = -1;
};

}  // namespace shakeplay
