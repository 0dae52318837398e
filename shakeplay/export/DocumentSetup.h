// The document as the window would hold it after the user's choices: read for the component,
// then DEFORMED, COEF and SMOOTH set as the control panel sets them.
#pragma once

#include "shakeplay/export/ExportOptions.h"

namespace shakeplay {
class CShakeplayDoc;
}

namespace shakeplay::exporting {

// false when the file cannot be read; the reader has said why. Then the settings below.
bool loadDocument(CShakeplayDoc& doc, const ExportOptions& options);
// DEFORMED, COEF and SMOOTH on a loaded document, each as the control panel sets it.
void applySettings(CShakeplayDoc& doc, const ExportOptions& options);

// The frames of one loop of the animation: the sub-frames from startFrame to endFrame - 1.
int loopLength(const CShakeplayDoc& doc);

}  // namespace shakeplay::exporting
