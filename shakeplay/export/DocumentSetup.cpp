#include "shakeplay/export/DocumentSetup.h"

#include <algorithm>

#include "shakeplay/core/ShakeplayDoc.h"

namespace shakeplay::exporting {

bool loadDocument(CShakeplayDoc& doc, const ExportOptions& options) {
  doc.setRequest({.resultPath = options.resultPath, .component = options.component, .frd = options.frd});
  if (doc.ReadModel(std::string()) != 0) return false;
  applySettings(doc, options);
  return true;
}

void applySettings(CShakeplayDoc& doc, const ExportOptions& options) {
  PlaybackChoice choice{.deformed = options.deformed};
  if (options.coefEntry) choice.coefIndex = *options.coefEntry - 1;
  if (options.smoothEntry) choice.smoothIndex = *options.smoothEntry - 1;
  doc.applyChoice(choice);
}

int loopLength(const CShakeplayDoc& doc) {
  const long long frames = static_cast<long long>(doc.animation().endFrame()) - doc.animation().startFrame();
  return static_cast<int>(std::clamp<long long>(frames, 1, kMaxFrames));
}

}  // namespace shakeplay::exporting
