// The sub-frame range of the animation at load, and the control panel's choices: DEFORMED, COEF
// and the SMOOTH entry.
#include <algorithm>
#include <climits>

#include "shakeplay/core/Animation.h"
#include "shakeplay/core/ModalSums.h"

namespace shakeplay {
namespace {

constexpr int kMinimumSubFrames = 20;

int narrow(std::int64_t frame) { return static_cast<int>(std::clamp<std::int64_t>(frame, INT_MIN, INT_MAX)); }

}  // namespace

void Animation::setSubFrames(bool fractionalStart, bool fractionalEnd) {
  const LoadedResult& r = *result_;
  const auto stepLength = [&r](int i) {
    return (static_cast<double>(r.stepTime[i + 1]) - r.stepTime[i]) * r.timeScale;
  };
  std::int64_t start = static_cast<std::int64_t>(smooth_) * r.firstStep;
  if (fractionalStart) {
    start +=
        truncToInt64((r.timeStart - r.StepPhysicalTime(r.firstStep)) / (stepLength(r.firstStep) / smooth_));
  }
  startFrame_ = narrow(start);
  currentFrame_ = startFrame_;

  std::int64_t end = static_cast<std::int64_t>(smooth_) * r.lastStep;
  if (fractionalEnd) {
    const double beyond = std::max(0.0, r.StepPhysicalTime(r.lastStep) - r.timeEnd);
    end -= truncToInt64(beyond / (stepLength(r.lastStep - 1) / smooth_));
  }
  endFrame_ = narrow(end);
}

void Animation::setLoadSubFrameRange() {
  const int span = result_->lastStep - result_->firstStep;
  bool fractional = true;
  if (smooth_ <= 1) {
    if (span < kMinimumSubFrames) {
      smooth_ = kMinimumSubFrames - span;
    } else {
      smooth_ = 1;
      fractional = false;
    }
  }
  setSubFrames(fractional, smooth_ > 1);
}

void Animation::setSmoothSelection(int smoothIndex) {
  const int span = result_->lastStep - result_->firstStep;
  smooth_ = kSmoothTable[smoothIndex] * (span >= kMinimumSubFrames ? 1 : kMinimumSubFrames - span);
  setSubFrames(smoothIndex != 0 || span < kMinimumSubFrames, smoothIndex != 0);
}

bool Animation::apply(const PlaybackChoice& choice) {
  if (choice.coefIndex && *choice.coefIndex < 0) return false;
  if (choice.smoothIndex &&
      (*choice.smoothIndex < 0 || *choice.smoothIndex >= static_cast<int>(kSmoothTable.size()))) {
    return false;
  }
  if (choice.deformed) deformed_ = *choice.deformed;
  if (choice.coefIndex)
    coef_ = static_cast<float>(*choice.coefIndex + 1) * (result_ ? result_->coefBase : 1.0f);
  if (choice.smoothIndex && result_ != nullptr) setSmoothSelection(*choice.smoothIndex);
  return true;
}

}  // namespace shakeplay
