// The application icon of curvedit, drawn by code.
#pragma once

#include "platform/ui/Icon.h"

namespace curvedit {

// 32 x 32: a load function that ramps up, holds and is released, in yellow through its white
// points (one ringed in red) on the graph box's grid and the dark blue of the tools' dialogs.
ui::IconImage curveditIcon();

}  // namespace curvedit
