// The sub-frame range of the animation at load, and the control panel's choices: DEFORMED, COEF
// and the SMOOTH entry.
#include <algorithm>
#include <climits>

#include "shakeplay/core/ModalSums.h"
#include "shakeplay/core/ShakeplayDoc.h"

namespace shakeplay {
namespace {

constexpr int kMinimumSubFrames = 20;

int narrow(std::int64_t frame) { return static_cast<int>(std::clamp<std::int64_t>(frame, INT_MIN, INT_MAX)); }

}  // namespace

double CShakeplayDoc::StepPhysicalTime(int i) const {
  return static_cast<double>(stepTime[i]) * timeScale + timeOffset;
}

void CShakeplayDoc::setSubFrames(bool fractionalStart, bool fractionalEnd) {
  const auto stepLength = [this](int i) {
    return (static_cast<double>(stepTime[i + 1]) - stepTime[i]) * timeScale;
  };
  std::int64_t start = static_cast<std::int64_t>(smooth) * firstStep;
  if (fractionalStart) {
    start += truncToInt64((timeStart - StepPhysicalTime(firstStep)) / (stepLength(firstStep) / smooth));
  }
  startFrame = narrow(start);
  currentFrame = startFrame;

  std::int64_t end = static_cast<std::int64_t>(smooth) * lastStep;
  if (fractionalEnd) {
    const double beyond = std::max(0.0, StepPhysicalTime(lastStep) - timeEnd);
    end -= truncToInt64(beyond / (stepLength(lastStep - 1) / smooth));
  }
  endFrame = narrow(end);
}

void CShakeplayDoc::setLoadSubFrameRange() {
  const int span = lastStep - firstStep;
  bool fractional = true;
  if (smooth <= 1) {
    if (span < kMinimumSubFrames) {
      smooth = kMinimumSubFrames - span;
    } else {
      smooth = 1;
      fractional = false;
    }
  }
  setSubFrames(fractional, smooth > 1);
}

void CShakeplayDoc::setSmoothSelection(int smoothIndex) {
  const int span = lastStep - firstStep;
  smooth = kSmoothTable[smoothIndex] * (span >= kMinimumSubFrames ? 1 : kMinimumSubFrames - span);
  setSubFrames(smoothIndex != 0 || span < kMinimumSubFrames, smoothIndex != 0);
}

bool CShakeplayDoc::applyChoice(const PlaybackChoice& choice) {
  if (choice.coefIndex && *choice.coefIndex < 0) return false;
  if (choice.smoothIndex && (*choice.smoothIndex < 0 || *choice.smoothIndex >= static_cast<int>(kSmoothTable.size()))) {
    return false;
  }
  if (choice.deformed) deformed = *choice.deformed;
  if (choice.coefIndex) coef = static_cast<float>(*choice.coefIndex + 1) * coefBase;
  if (choice.smoothIndex) setSmoothSelection(*choice.smoothIndex);
  ResetAnimation();
  return true;
}

}  // namespace shakeplay
