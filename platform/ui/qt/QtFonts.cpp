#include "platform/ui/qt/QtFonts.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStandardPaths>
#include <cstdio>

namespace ui::qt {
namespace {
const char* const kSans = "DejaVu Sans";
const char* const kMono = "DejaVu Sans Mono";
const char* const kArialLike = "Liberation Sans";
const char* const kCourierNewLike = "Liberation Mono";
const char* const kSystem = "System";  // the device context's default font, bold, 16-pixel cells

// Says once on standard error that a font package is missing and what the tool does instead:
// the dialogs still work, but do not look as they should.
void noteMissingFonts(const char* package, const char* instead) {
  std::fprintf(stderr, "%s: note: the fonts of Debian's %s are not installed: %s\n",
               qPrintable(QCoreApplication::applicationName()), package, instead);
}

// The platform's fonts' files under the system's share folders; each one found is loaded once.
bool loadTemplateFonts() {
  bool all = true;
  for (const char* file :
       {"wine/fonts/ms_sans_serif.ttf", "wine/fonts/courier.ttf", "wine/fonts/system.ttf"}) {
    const QString path =
        QStandardPaths::locate(QStandardPaths::GenericDataLocation, QString::fromLatin1(file));
    all = !path.isEmpty() && QFontDatabase::addApplicationFont(path) >= 0 && all;
  }
  if (!all) noteMissingFonts("fonts-wine", "the dialogs are drawn in DejaVu Sans, about a sixth wider");
  return all;
}

// The family the platform would draw a face in.
QString familyName(const std::string& face, bool fixedPitch) {
  templateFontsLoaded();
  const QString name = QString::fromStdString(face);
  if (QFontDatabase::hasFamily(name)) return name;
  // "Ariel" (so the original names its label font) is no face of the platform, whose font
  // mapper gives it Arial, or Courier New when fixed pitch is asked.
  if (face == "Ariel") {
    const QString like = fixedPitch ? kCourierNewLike : kArialLike;
    if (QFontDatabase::hasFamily(like)) return like;
    static const bool noted =
        (noteMissingFonts("fonts-liberation2", "labels are drawn in DejaVu instead of Liberation"), true);
    (void)noted;
  }
  return fixedPitch ? kMono : kSans;
}

QFont family(const std::string& face, bool fixedPitch) {
  QFont font(familyName(face, fixedPitch));
  if (fixedPitch) {
    font.setFixedPitch(true);
    font.setStyleHint(QFont::Monospace);
  }
  return font;
}
}  // namespace

bool templateFontsLoaded() {
  static const bool loaded = loadTemplateFonts();
  return loaded;
}

QFont dialogFont(const std::string& face, int pointSize) {
  QFont font = family(face, false);
  // Points at 96 dots per inch, as the templates were laid out; a bitmap face takes its strike.
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
  QFont font = family(face.empty() ? kSystem : face, fixedPitch);
  // The stand-in for the default font is a bold face; the platform's own is bold as it is.
  font.setBold(bold || (face.empty() && QFontInfo(font).family() != kSystem));
  // The largest size whose cell (ascent and descent) is no taller than the height asked for.
  const int height = cellHeight > 0 ? cellHeight : (face.empty() ? 16 : 13);
  int pixels = height;
  font.setPixelSize(pixels);
  while (pixels > 1 && QFontMetrics(font).height() > height) font.setPixelSize(--pixels);
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
