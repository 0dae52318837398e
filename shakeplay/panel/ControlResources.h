// The control panel's dialog resource (130) as a template, and the ids its code addresses.
#pragma once

#include "platform/ui/DialogTemplate.h"

namespace shakeplay {

inline constexpr int IDD_CONTROL = 130;
inline constexpr int IDC_DEFORMED = 1004;
inline constexpr int IDC_TIME = 1005;  // the current time, read-only
inline constexpr int IDC_PLAY = 1006;
inline constexpr int IDC_STOP = 1007;
inline constexpr int IDC_RESET = 1008;
inline constexpr int IDC_SPEED = 1009;
inline constexpr int IDC_COEF = 1010;
inline constexpr int IDC_SMOOTH = 1011;

const ui::DialogTemplate& controlTemplate();

}  // namespace shakeplay
