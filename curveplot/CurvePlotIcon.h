// The application icon of curveplot and curveplotb, drawn by code.
#pragma once

#include "platform/ui/Icon.h"

namespace curveplot {

// 32 x 32: a resonance curve over its axes, its peak ringed in red, on the plots' dark blue.
ui::IconImage curvePlotIcon();

}  // namespace curveplot
