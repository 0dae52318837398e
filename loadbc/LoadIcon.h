// The application icon of the two load tools, drawn by code.
#pragma once

#include "platform/ui/Icon.h"

namespace loadbc {

// 32 x 32: a beam on two supports under a linearly growing load, the load's arrows and their
// top line in yellow, on the dark blue of the tools' dialogs.
ui::IconImage loadIcon();

}  // namespace loadbc
