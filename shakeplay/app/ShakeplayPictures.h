// shakeplay's pictures, drawn by code: the application icon and the zoom cursor.
#pragma once

#include "platform/ui/Geometry.h"
#include "platform/ui/Icon.h"

namespace shakeplay {

// 32 x 32: a plate bent in a wave, in the bands of the colour scale, on dark blue.
ui::IconImage applicationIcon();

// 32 x 32 on a transparent ground: a magnifying glass, black with a white rim so that it shows
// on any background; its hot spot is the centre of the glass.
ui::IconImage zoomCursorPicture();
inline constexpr ui::Point kZoomCursorHotSpot{12, 12};

}  // namespace shakeplay
