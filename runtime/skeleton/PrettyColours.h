// The colour scheme of every dialog tool.
#pragma once

#include "platform/ui/Geometry.h"

namespace skeleton {

inline constexpr ui::Rgb kDialogBack{0, 0, 140};    // dialog and static background
inline constexpr ui::Rgb kDialogText{255, 255, 0};  // dialog and static text
inline constexpr ui::Rgb kEditBack{150, 150, 150};  // edit background
inline constexpr ui::Rgb kEditText{0, 0, 0};        // edit text
inline constexpr ui::Rgb kWhite{255, 255, 255};

}  // namespace skeleton
