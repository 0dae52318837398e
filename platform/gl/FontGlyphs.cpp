#include "platform/gl/FontGlyphs.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "platform/ui/qt/QtFonts.h"

namespace gl {
namespace {

bool isControlCode(int code) { return code < 32 || (code >= 127 && code < 160); }

Glyph renderGlyph(const QFont& font, const QFontMetrics& metrics, int code) {
  Glyph glyph;
  if (isControlCode(code)) return glyph;
  const QChar character(static_cast<char16_t>(code));
  glyph.advance = static_cast<float>(metrics.horizontalAdvance(character));
  const QRect ink = metrics.boundingRect(character);
  if (ink.isEmpty()) return glyph;
  QImage image(ink.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(-ink.left(), -ink.top(), QString(character));
  }
  glyph.width = ink.width();
  glyph.height = ink.height();
  glyph.xorig = static_cast<float>(-ink.left());
  glyph.yorig = static_cast<float>(ink.bottom() + 1);
  const int rowBytes = (glyph.width + 7) / 8;
  glyph.bits.assign(static_cast<std::size_t>(rowBytes * glyph.height), 0);
  for (int row = 0; row < glyph.height; ++row) {
    const int imageRow = glyph.height - 1 - row;  // the bitmap runs from the bottom up
    for (int x = 0; x < glyph.width; ++x) {
      if (qGray(image.pixel(x, imageRow)) >= 128) continue;
      glyph.bits[static_cast<std::size_t>(row * rowBytes + x / 8)] |=
          static_cast<std::uint8_t>(0x80u >> (x % 8));
    }
  }
  return glyph;
}

}  // namespace

FontGlyphs fontGlyphs(const std::string& face, int characterHeight) {
  QFont font = ui::qt::paintFont(face, 0, false, false);
  if (characterHeight > 0) font.setPixelSize(characterHeight);
  font.setStyleStrategy(QFont::NoAntialias);
  const QFontMetrics metrics(font);
  FontGlyphs glyphs;
  for (int code = 0; code < kFontCodes; ++code) {
    glyphs[static_cast<std::size_t>(code)] = renderGlyph(font, metrics, code);
  }
  return glyphs;
}

}  // namespace gl
