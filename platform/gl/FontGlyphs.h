// The glyphs of a window-system font for building bitmap-font lists (BitmapFont.h): the 256
// codes of Latin-1, rendered without anti-aliasing as the platform's bitmap fonts are.
#pragma once

#include <string>

#include "platform/gl/BitmapFont.h"

namespace gl {

// The face as the painter fonts map it (an empty face is the bold system font); a
// characterHeight of 0 keeps the face's default size, otherwise the characters (without the
// line's leading) are that many pixels high. Control codes have empty glyphs and no advance.
// Needs a running Qt GUI application.
FontGlyphs fontGlyphs(const std::string& face, int characterHeight);

}  // namespace gl
