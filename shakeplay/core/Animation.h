// The animation of a loaded result: the state shown and its per-sub-frame increments, the
// playback settings (DEFORMED, COEF, SMOOTH) and the sub-frame reached, one step at a time.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "shakeplay/core/LoadedResult.h"
#include "shakeplay/core/Records.h"

namespace shakeplay {

class SceneRenderer;

// Sub-frames per step offered by the control panel's SMOOTH list.
constexpr std::array<int, 6> kSmoothTable{1, 5, 10, 15, 20, 25};

// Choices of the control panel; each one given is applied by the panel's rule.
struct PlaybackChoice {
  std::optional<bool> deformed{};    // DEFORMED
  std::optional<int> coefIndex{};    // entry of the COEF list: the coefficient (index + 1) x coefBase
  std::optional<int> smoothIndex{};  // entry of the SMOOTH list (the sub-frame range of that entry)
};

class Animation {
 public:
  // Nothing loaded: no points, no edges, and the operations do nothing.
  Animation() = default;
  // The sub-frame range of the result at load, undeformed at its own coefficient; the first
  // frame is not computed yet. result must outlive the animation.
  explicit Animation(const LoadedResult& result);
  explicit Animation(const LoadedResult&& result) = delete;

  void ComputeFirstFrame();
  void EvaluateStep(int k);
  // Back to the first sub-frame and its state.
  void reset();
  // One tick of the playback: back to the first frame when the loop starts over, the state
  // drawn on renderer (when given), then on to the next sub-frame.
  void tick(SceneRenderer* renderer);
  // The choices made; false, and no change, for a negative COEF entry or one outside the
  // SMOOTH list. The caller resets: the old first frame and increments belong to the old settings.
  bool apply(const PlaybackChoice& choice);

  // This animation's loop played from its first sub-frame with DEFORMED and COEF as given,
  // stopped where tick number index draws (0: the first frame shown); this one is untouched.
  Animation frameAt(int index, bool deformed, float coef) const;

  // The time the control panel shows for sub-frame `frame`: timeStart on the first one,
  // timeEnd from the last one on, otherwise the physical time of the step reached.
  double timeShownAt(int frame) const;
  double currentTimeShown() const { return timeShownAt(currentFrame_); }
  // Pixels of the progress bar's fill on a bar fullWidth pixels long at sub-frame `frame`: the
  // share of the time window that its time shown has covered, kept within 0 .. fullWidth; 0
  // when the window is empty (timeEnd equal to timeStart).
  int progressWidthAt(int frame, int fullWidth) const;
  int progressWidth(int fullWidth) const { return progressWidthAt(currentFrame_, fullWidth); }

  // The state shown, one per point of the result (unused points keep zeros). The views below
  // are into this animation: none of a temporary one.
  std::span<const FramePoint> points() const& { return {framePoints_.data(), pointCount()}; }
  // What each point's state gains per sub-frame on the way to the next step.
  std::span<const FramePoint> pointIncrements() const& {
    return {framePoints_.data() + pointCount(), pointCount()};
  }
  // The deformed edge points, one per edge point of the result.
  std::span<const FrameEdge> edges() const& { return {frameEdges_.data(), edgePointCount()}; }
  std::span<const FramePoint> points() const&& = delete;
  std::span<const FramePoint> pointIncrements() const&& = delete;
  std::span<const FrameEdge> edges() const&& = delete;
  bool deformed() const { return deformed_; }
  float coef() const { return coef_; }
  int smooth() const { return smooth_; }
  int startFrame() const { return startFrame_; }
  int endFrame() const { return endFrame_; }
  int currentFrame() const { return currentFrame_; }

 private:
  using DirectionSums = std::array<Buffer<std::int32_t>, 3>;

  std::size_t pointCount() const { return result_ ? static_cast<std::size_t>(result_->pointCount) : 0; }
  std::size_t edgePointCount() const {
    return result_ ? static_cast<std::size_t>(result_->edgePointCount) : 0;
  }
  void allocate();
  // The loop starts over at this tick (from the first sub-frame, or from sub-frame 0).
  bool startsOver() const { return currentFrame_ == 0 || currentFrame_ == startFrame_; }
  void setLoadSubFrameRange();
  void setSubFrames(bool fractionalStart, bool fractionalEnd);
  // The sub-frame range of entry smoothIndex of the SMOOTH list.
  void setSmoothSelection(int smoothIndex);
  float colourValue(const float* sums) const;
  void setPointStatesToTargets();
  void setEdgeStatesToTargets();
  // The point sums of row into pointSums_, and of nextRow (when given) into nextPointSums_ in
  // the same pass over the shape tables; only the directions the state needs are formed.
  void sumPoints(const std::int32_t* row, const std::int32_t* nextRow);
  // Point sums become the targets; with increments, the state moves toward them.
  void aimPointsAt(const DirectionSums& sums, bool withIncrements);
  void aimEdgesAt(const std::int32_t* row, bool withIncrements);
  void addIncrements();

  const LoadedResult* result_ = nullptr;
  float coef_ = 1.0f;
  int smooth_ = 1;
  int startFrame_ = 0, endFrame_ = 1;
  int currentFrame_ = 0;
  bool deformed_ = false;
  Buffer<FramePoint> framePoints_;  // [0, pointCount) state, [pointCount, 2 pointCount) increments
  Buffer<PointTarget> targets_;
  Buffer<FrameEdge> frameEdges_;   // [0, edgePointCount) state, then the increments
  Buffer<std::int32_t> startRow_;  // the interpolated modal row of the start time
  DirectionSums pointSums_;        // per direction, one sum per point
  DirectionSums nextPointSums_;    // the same for the row after, while the first frame is set
  DirectionSums edgeSums_;
};

}  // namespace shakeplay
