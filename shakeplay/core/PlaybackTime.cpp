// What the control panel shows of the playback: the current time and the progress bar's fill.
#include <algorithm>
#include <cstdint>

#include "shakeplay/core/ShakeplayDoc.h"

namespace shakeplay {

double CShakeplayDoc::currentTimeShown() const {
  if (currentFrame == startFrame) return timeStart;
  if (static_cast<std::int64_t>(currentFrame) >= static_cast<std::int64_t>(endFrame) - 1) return timeEnd;
  if (stepCount <= 0) return timeStart;
  // A start time far outside the steps puts sub-frames outside the step table: they show the
  // nearest step's time instead of reading beyond the table.
  const int step = currentFrame / std::max(smooth, 1);
  return StepPhysicalTime(std::clamp(step, 0, stepCount - 1));
}

int CShakeplayDoc::progressWidth(int fullWidth) const {
  const double window = static_cast<double>(timeEnd) - timeStart;
  if (window == 0.0) return 0;
  const double share = (currentTimeShown() - timeStart) / window;
  // Before the start time (the first step begins before it) and NaN draw nothing; past the end
  // the bar is full, never wider.
  if (!(share > 0.0)) return 0;
  return static_cast<int>(std::min(share, 1.0) * fullWidth);
}

}  // namespace shakeplay
