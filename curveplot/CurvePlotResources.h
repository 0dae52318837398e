// The resources of curveplot and curveplotb: the application icon and the plot window (dialog
// resource 102, the same in both programs but for its caption).
#pragma once

#include "platform/ui/DialogTemplate.h"

namespace curveplot {

inline constexpr int IDR_MAINFRAME = 128;
// Files the application icon in the icon table; main does it before the first window opens.
void registerIcon();

inline constexpr int IDD_CURVEPLOT = 102;

// Resizable, shown in the task bar, no controls; captioned "curveplot".
const ui::DialogTemplate& linearPlotTemplate();
// The same, captioned "curveplotb".
const ui::DialogTemplate& logPlotTemplate();

}  // namespace curveplot
