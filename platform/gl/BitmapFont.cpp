#include "platform/gl/BitmapFont.h"

#include <GL/gl.h>

#include <cstring>

namespace gl {

unsigned buildFontLists(const FontGlyphs& glyphs) {
  while (glGetError() != GL_NO_ERROR) {
  }
  const GLuint base = glGenLists(kFontCodes);
  if (base == 0) return 0;
  GLint alignment = 4;
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  // A glyph without ink is one clear pixel: a list cannot hold a bitmap of no pixels.
  const std::uint8_t clearPixel = 0;
  for (int code = 0; code < kFontCodes; ++code) {
    const Glyph& glyph = glyphs[static_cast<std::size_t>(code)];
    const bool inked = glyph.width > 0 && glyph.height > 0 &&
                       glyph.bits.size() == static_cast<std::size_t>((glyph.width + 7) / 8 * glyph.height);
    glNewList(base + static_cast<GLuint>(code), GL_COMPILE);
    if (inked) {
      glBitmap(glyph.width, glyph.height, glyph.xorig, glyph.yorig, glyph.advance, 0.0f, glyph.bits.data());
    } else {
      glBitmap(1, 1, 0.0f, 0.0f, glyph.advance, 0.0f, &clearPixel);
    }
    glEndList();
  }
  glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
  if (glGetError() != GL_NO_ERROR) {
    glDeleteLists(base, kFontCodes);
    return 0;
  }
  return base;
}

unsigned buildBitmapFont(const GlyphSource& glyphs, const std::string& face) {
  constexpr int kNamedFaceHeight = 12;
  if (!glyphs) return 0;
  return buildFontLists(glyphs(face, face.empty() ? 0 : kNamedFaceHeight));
}

void deleteFontLists(unsigned base) {
  if (base != 0) glDeleteLists(base, kFontCodes);
}

void drawListText(unsigned base, const char* text) {
  if (base == 0 || text == nullptr) return;
  glListBase(base);
  glCallLists(static_cast<GLsizei>(std::strlen(text)), GL_UNSIGNED_BYTE, text);
}

}  // namespace gl
