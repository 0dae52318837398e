// Fonts that stand in for the Windows faces on Linux.
//   "MS Sans Serif" (the dialog font)  -> the face itself if installed, else DejaVu Sans, 11 px
//   "Courier" (number-entry edits)     -> the face itself if installed, else DejaVu Sans Mono, 12 px
//   the device context's default font  -> DejaVu Sans bold, 13 px (the bold "System" font)
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

}  // namespace ui::qt
