// Bitmap fonts as OpenGL display lists: one list per character code 0..255 that draws the
// code's glyph at the current raster position and moves the position on by its advance.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace gl {

// A glyph as glBitmap takes it: rows from the bottom up, each (width + 7) / 8 bytes with the
// leftmost pixel in the top bit; (xorig, yorig) is the pen position within the bitmap.
struct Glyph {
  int width = 0;
  int height = 0;
  float xorig = 0.0f;
  float yorig = 0.0f;
  float advance = 0.0f;
  std::vector<std::uint8_t> bits;
};

inline constexpr int kFontCodes = 256;
using FontGlyphs = std::array<Glyph, kFontCodes>;

// Builds the 256 lists in the current context; the first list, or 0 when no lists could be
// had (nothing is left allocated then).
unsigned buildFontLists(const FontGlyphs& glyphs);
void deleteFontLists(unsigned base);

// Where glyphs come from: a face and a character height in pixels (0: the face's default);
// an empty face is the window system's default font.
using GlyphSource = std::function<FontGlyphs(const std::string& face, int characterHeight)>;

// The lists of a font as a view builds them: with a face name, that face with characters 12
// pixels high at normal weight; without one, the system font. 0 when no lists could be had.
unsigned buildBitmapFont(const GlyphSource& glyphs, const std::string& face);

// Draws the text with the lists from the current raster position; nothing for base 0 or a null
// text.
void drawListText(unsigned base, const char* text);

}  // namespace gl
