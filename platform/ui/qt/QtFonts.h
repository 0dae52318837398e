// The Windows faces on Linux. The platform's fonts come from Debian's fonts-wine, loaded from their
// files (Debian's fontconfig refuses bitmap fonts); Arial's place is taken by the metric-compatible
// Liberation faces of fonts-liberation2. Where a face is missing, DejaVu stands in for it:
//   "MS Sans Serif" (the dialog font)  -> its 13-pixel strike (base units 6 x 13), else DejaVu Sans 11 px
//   "Courier" (number-entry edits)     -> its 13-pixel strike, else DejaVu Sans Mono 12 px
//   "Ariel" (no face of the platform)  -> Liberation Sans, or Liberation Mono when fixed pitch is asked
//   the device context's default font  -> "System" (bold, 16-pixel cells), else DejaVu Sans bold
//   any other missing face             -> DejaVu Sans Mono when fixed pitch is asked, else DejaVu Sans
#pragma once

#include <QFont>
#include <string>

#include "platform/ui/DialogUnits.h"

namespace ui::qt {

QFont dialogFont(const std::string& face, int pointSize);
// A control's face (empty: the dialog's font).
QFont controlFont(const std::string& face, const QFont& dialogFont);
// A painter font: cell height in pixels (0: the face's default size), empty face: the default.
QFont paintFont(const std::string& face, int cellHeight, bool fixedPitch, bool bold);
BaseUnits baseUnitsOf(const QFont& font);
// `font` narrowed (a smaller stretch, then a smaller size) until its base units are no larger
// than `base`: texts laid out for another face then fit the controls sized for that face.
QFont fittedTo(QFont font, BaseUnits base);

// Whether the platform's fonts were found ("MS Sans Serif", "Courier", "System"): dialogs then
// have their true size.
bool templateFontsLoaded();

}  // namespace ui::qt
