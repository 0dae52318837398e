// The colour bar as the window shows it under the model view, drawn once by its own view on a
// pbuffer of its own: it does not change while the animation plays.
#pragma once

#include <optional>
#include <string>

#include "shakeplay/export/FrameWriter.h"

namespace shakeplay {
class CShakeplayDoc;
}

namespace shakeplay::exporting {

// The bar's height in the window.
int colourBarHeight();

// A `width` x colourBarHeight() picture of the bar; none with the reason in `error` when no
// pbuffer can be had. Needs a running Qt GUI application for the labels' glyphs; leaves no
// context current.
std::optional<FrameImage> drawColourBar(const CShakeplayDoc& doc, int width, std::string& error);

}  // namespace shakeplay::exporting
