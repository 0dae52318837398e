#include "platform/ui/qt/QtIcon.h"

#include <QPixmap>
#include <cstring>

namespace ui::qt {

// Format_ARGB32 keeps each pixel as one 0xAARRGGBB word, the picture's own layout.
QImage toImage(const IconImage& image) {
  if (!image.valid()) return {};
  QImage result(image.width, image.height, QImage::Format_ARGB32);
  const std::size_t rowBytes = static_cast<std::size_t>(image.width) * sizeof(std::uint32_t);
  for (int y = 0; y < image.height; ++y) {
    std::memcpy(result.scanLine(y), &image.argb[static_cast<std::size_t>(y * image.width)], rowBytes);
  }
  return result;
}

QIcon toIcon(HICON large, HICON small) {
  QIcon icon;
  const auto add = [&icon](HICON picture) {
    const QImage image = picture ? toImage(*picture) : QImage();
    if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
  };
  add(large);
  if (small != large) add(small);
  return icon;
}

}  // namespace ui::qt
