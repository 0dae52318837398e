#include "platform/ui/qt/QtFonts.h"

#include <QFontDatabase>
#include <QFontMetrics>

namespace ui::qt {
namespace {
const char* const kSans = "DejaVu Sans";
const char* const kMono = "DejaVu Sans Mono";

QFont family(const std::string& face, bool fixedPitch) {
  const QString name = QString::fromStdString(face);
  QFont font(QFontDatabase::hasFamily(name) ? name : QString(fixedPitch ? kMono : kSans));
  if (fixedPitch) {
    font.setFixedPitch(true);
    font.setStyleHint(QFont::Monospace);
  }
  return font;
}
}  // namespace

QFont dialogFont(const std::string& face, int pointSize) {
  QFont font = family(face, false);
  // Points at 96 dots per inch, as the templates were laid out.
  font.setPixelSize(std::max(1, (pointSize * 96 + 36) / 72));
  return font;
}

QFont controlFont(const std::string& face, const QFont& dialog) {
  if (face.empty()) return dialog;
  const bool courier = face == "Courier";
  QFont font = family(face, courier);
  font.setPixelSize(courier ? 12 : dialog.pixelSize());
  return font;
}

QFont paintFont(const std::string& face, int cellHeight, bool fixedPitch, bool bold) {
  QFont font = family(face.empty() ? kSans : face, fixedPitch);
  font.setBold(bold || face.empty());
  // DejaVu's line height is about 7/6 of its pixel size.
  const int height = cellHeight > 0 ? cellHeight : (face.empty() ? 16 : 13);
  font.setPixelSize(std::max(1, height * 6 / 7));
  return font;
}

BaseUnits baseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int width =
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return baseUnitsFromFont(width, metrics.height());
}

QFont fittedTo(QFont font, BaseUnits base) {
  const auto fits = [&] {
    const BaseUnits own = baseUnitsOf(font);
    return own.x <= base.x && own.y <= base.y;
  };
  for (int stretch = 95; !fits() && stretch >= 75; stretch -= 5) font.setStretch(stretch);
  while (!fits() && font.pixelSize() > 6) font.setPixelSize(font.pixelSize() - 1);
  return font;
}

}  // namespace ui::qt
