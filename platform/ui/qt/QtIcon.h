// Icons of the dialog model as Qt pictures.
#pragma once

#include <QIcon>
#include <QImage>

#include "platform/ui/Icon.h"

namespace ui::qt {

// The picture as an image of the same size (null for an invalid picture).
QImage toImage(const IconImage& image);

// A window icon holding the large and the small picture (either may be null, the same picture
// counts once); null when both are.
QIcon toIcon(HICON large, HICON small);

}  // namespace ui::qt
