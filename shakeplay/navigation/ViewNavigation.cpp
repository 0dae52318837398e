#include "shakeplay/navigation/ViewNavigation.h"

#include <algorithm>

#include "shakeplay/core/ViewFraming.h"

namespace shakeplay {
namespace {

// Zoom per pixel of a left drag: 750 pixels upward double the scale. Taken in single precision,
// so that 750 pixels downward give exactly 0 (and so the smallest scale), not a remainder.
constexpr float kZoomPerPixel = 0.0013333333f;
// Degrees per pixel of a middle drag at scale 1, times the shorter side of the window.
constexpr double kRotationPerSide = 0.8 * 180.0;

}  // namespace

ViewNavigation::ViewNavigation(const ViewFraming& framing) : framing_(framing) {}

void ViewNavigation::resize(int w, int h) {
  if (skipNextSize != 0) {
    skipNextSize = 0;
  } else if (w > 0 && h > 0) {
    width = w;
    height = h;
  }
  if (framing_.radius != 0.0f) viewRadius = framing_.radius;
  if (framing_.radiusBase != 0.0f) depth = 2.0 * framing_.radiusBase;
  if (width > 0) aspect = static_cast<double>(height) / width;
}

OrthoBox ViewNavigation::projection() const {
  const double a = scale * viewRadius;
  if (height < width) return {-a / aspect, a / aspect, -a, a, -depth, depth};
  return {-a, a, -a * aspect, a * aspect, -depth, depth};
}

std::optional<OrthoBox> ViewNavigation::takeProjection() {
  if (viewRadius == 0.0f || skipNextSize != 0) return std::nullopt;
  if (scale == projectedScale_ && width == projectedWidth_ && height == projectedHeight_) return std::nullopt;
  projectedScale_ = scale;
  projectedWidth_ = width;
  projectedHeight_ = height;
  return projection();
}

int ViewNavigation::shorterSide() const { return std::min(width, height); }

unsigned ViewNavigation::startDrag(int& flag, MousePos& last, int x, int y) {
  flag = 1;
  last = {x, y};
  return effect::kCapture | effect::kZoomCursor;
}

unsigned ViewNavigation::pickZoomAt(int x, int y) {
  const int m = shorterSide();
  if (m > 0) {
    const double p = scale * (2.0 * viewRadius / m);
    const double dx = p * (x - width / 2.0);
    const double dy = p * (height / 2.0 - y);
    panMatrix = multiply(translation(static_cast<float>(-dx), static_cast<float>(-dy), 0.0f), panMatrix);
  }
  pickArmed = 0;
  scale = scale / pickZoom;
  pickZoom = 1.0f;
  return effect::kArrowCursor | effect::kInvalidate;
}

unsigned ViewNavigation::buttonDown(MouseButton button, int x, int y) {
  switch (button) {
    case MouseButton::Left:
      if (pickArmed != 0) return effect::kCapture | pickZoomAt(x, y);
      return startDrag(zooming, lastZoomPos, x, y);
    case MouseButton::Middle:
      return startDrag(rotating, lastRotatePos, x, y);
    case MouseButton::Right:
      return startDrag(panning, lastPanPos, x, y);
  }
  return 0;
}

unsigned ViewNavigation::buttonUp(MouseButton button) {
  switch (button) {
    case MouseButton::Left:
      zooming = 0;
      break;
    case MouseButton::Middle:
      rotating = 0;
      break;
    case MouseButton::Right:
      panning = 0;
      break;
  }
  if (zooming != 0 || rotating != 0 || panning != 0) return 0;
  return effect::kRelease | (pickArmed != 0 ? effect::kZoomCursor : effect::kArrowCursor);
}

unsigned ViewNavigation::mouseMove(int x, int y) {
  unsigned effects = 0;
  const int m = shorterSide();
  if (zooming != 0) {
    const float factor = static_cast<float>(lastZoomPos.y - y) * kZoomPerPixel + 1.0f;
    scale = factor * scale;
    if (scale <= 0.0) scale = kSmallestScale;
    lastZoomPos = {x, y};
    effects |= effect::kInvalidate;
  }
  if (rotating != 0 && m > 0) {
    const double g = kRotationPerSide / m * scale;
    const Matrix4 turned =
        multiply(multiply(rotation(static_cast<float>((lastRotatePos.x - x) * g), 0.0f, -1.0f, 0.0f),
                          rotation(static_cast<float>((lastRotatePos.y - y) * g), -1.0f, 0.0f, 0.0f)),
                 rotationMatrix);
    if (scale > 0.0) rotationMatrix = turned;
    lastRotatePos = {x, y};
    effects |= effect::kNotifyOrientation | effect::kInvalidate;
  }
  if (panning != 0 && m > 0) {
    const double p = scale * 2.0 * framing_.radius / m;
    panMatrix = multiply(translation(static_cast<float>(-(lastPanPos.x - x) * p),
                                     static_cast<float>((lastPanPos.y - y) * p), 0.0f),
                         panMatrix);
    lastPanPos = {x, y};
    effects |= effect::kInvalidate;
  }
  return effects;
}

unsigned ViewNavigation::leftDoubleClick(int x, int y, bool control) {
  if (control) return startDrag(zooming, lastZoomPos, x, y);
  if (pickArmed != 0) return 0;
  panning = 0;
  rotating = 0;
  return effect::kShowMenu;
}

unsigned ViewNavigation::armPick(float zoom) {
  pickZoom = zoom;
  pickArmed = 1;
  return effect::kZoomCursor;
}

unsigned ViewNavigation::menuCommand(int id) {
  switch (id) {
    case ID_ZOOM_X2:
      return armPick(2.0f);
    case ID_ZOOM_X4:
      return armPick(4.0f);
    case ID_RESTORE:
      panMatrix = identity4();
      pickZoom = 1.0f;
      scale = 1.0;
      return effect::kInvalidate;
    default:
      return 0;
  }
}

unsigned ViewNavigation::controlKey(bool down) {
  edgesOnly = down;
  return effect::kInvalidate;
}

void ViewNavigation::loadViewMatrix() {
  for (int i = 0; i < 16; ++i) rotationMatrix[i] = static_cast<float>(framing_.viewMatrix[i]);
}

}  // namespace shakeplay
