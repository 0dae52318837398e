// What the control panel shows of the playback: the current time and the progress bar's fill.
#include <algorithm>
#include <cstdint>

#include "shakeplay/core/Animation.h"

namespace shakeplay {

double Animation::timeShownAt(int frame) const {
  if (result_ == nullptr) return 0.0;  // nothing loaded: an empty time window at 0
  const LoadedResult& r = *result_;
  if (frame == startFrame_) return r.timeStart;
  if (static_cast<std::int64_t>(frame) >= static_cast<std::int64_t>(endFrame_) - 1) return r.timeEnd;
  if (r.stepCount <= 0) return r.timeStart;
  // A start time far outside the steps puts sub-frames outside the step table: they show the
  // nearest step's time instead of reading beyond the table.
  const int step = frame / std::max(smooth_, 1);
  return r.StepPhysicalTime(std::clamp(step, 0, r.stepCount - 1));
}

int Animation::progressWidthAt(int frame, int fullWidth) const {
  if (result_ == nullptr) return 0;  // nothing loaded: an empty time window
  const double window = static_cast<double>(result_->timeEnd) - result_->timeStart;
  if (window == 0.0) return 0;
  const double share = (timeShownAt(frame) - result_->timeStart) / window;
  // Before the start time (the first step begins before it) and NaN draw nothing; past the end
  // the bar is full, never wider.
  if (!(share > 0.0)) return 0;
  return static_cast<int>(std::min(share, 1.0) * fullWidth);
}

}  // namespace shakeplay
