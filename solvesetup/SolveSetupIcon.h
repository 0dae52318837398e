// The application icon of solvesetup, drawn by code.
#pragma once

#include "platform/ui/Icon.h"

namespace solvesetup {

// 32 x 32: a damped oscillation in yellow between its fading envelope, over a time axis, on the
// dark blue of the tools' dialogs.
ui::IconImage settingsIcon();

}  // namespace solvesetup
