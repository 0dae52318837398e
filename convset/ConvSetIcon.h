// The application icon of convset, drawn by code.
#pragma once

#include "platform/ui/Icon.h"

namespace convset {

// 32 x 32: the error of successive solution passes falling in yellow onto a white tolerance
// line, over grey axes, on the dark blue of the tools' dialogs.
ui::IconImage convergenceIcon();

}  // namespace convset
