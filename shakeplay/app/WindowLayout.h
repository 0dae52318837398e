// The fixed places of shakeplay's windows, in pixels: the main window on the screen (its frame)
// and its four caption-less children in its client area.
#pragma once

#include "platform/ui/Dialog.h"
#include "platform/ui/Geometry.h"

namespace shakeplay::layout {

// The main window's frame: not resizable, with a caption.
inline constexpr ui::Rect kMainWindow{115, 43, 691, 764};
// Its client area: the frame less its borders and caption.
inline constexpr ui::Size kMainClient{kMainWindow.cx - ui::kFrameExtra.cx,
                                      kMainWindow.cy - ui::kFrameExtra.cy};

inline constexpr ui::Rect kModelView{0, 0, 685, 550};
inline constexpr ui::Rect kColourBar{0, 549, 684, 37};
// The control panel reaches to the bottom of the client area.
inline constexpr ui::Rect kControlPanel{0, 584, 800, kMainClient.cy - 584};
inline constexpr ui::Rect kOrientationBox{545, 595, 120, 120};

}  // namespace shakeplay::layout
