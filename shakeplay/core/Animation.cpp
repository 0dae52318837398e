// The animation engine: the state shown and its per-sub-frame increments, one step at a time.
#include "shakeplay/core/Animation.h"

#include <algorithm>
#include <cmath>

#include "shakeplay/core/ColourTable.h"
#include "shakeplay/core/ModalSums.h"
#include "shakeplay/core/SceneRenderer.h"

namespace shakeplay {
namespace {

constexpr int kMagnitude = 3;

void setColour(FramePoint& point) {
  const std::array<float, 3>& rgb = standardColourTable()[colourIndex(point.value)];
  point.red = rgb[0];
  point.green = rgb[1];
  point.blue = rgb[2];
}

}  // namespace

Animation::Animation(const LoadedResult& result) : result_(&result), coef_(result.coefBase) {
  setLoadSubFrameRange();
  allocate();
}

void Animation::allocate() {
  const LoadedResult& r = *result_;
  framePoints_ = Buffer<FramePoint>(2 * pointCount());
  targets_ = Buffer<PointTarget>(pointCount());
  std::fill(targets_.begin(), targets_.end(), PointTarget{});
  frameEdges_ = Buffer<FrameEdge>(2 * edgePointCount());
  startRow_ = Buffer<std::int32_t>(static_cast<std::size_t>(r.modeCount));
  for (int c = 0; c < 3; ++c) {
    pointSums_[c] = Buffer<std::int32_t>(pointCount());
    nextPointSums_[c] = Buffer<std::int32_t>(pointCount());
    edgeSums_[c] = Buffer<std::int32_t>(edgePointCount());
  }
}

float Animation::colourValue(const float* sums) const {
  const LoadedResult& r = *result_;
  if (r.component != kMagnitude) {
    const int c = r.component;
    return static_cast<float>((static_cast<double>(sums[c]) - r.colourOffset[c]) * r.colourScale[c]);
  }
  // A result that never moves has no magnitude range: every point shows the first entry.
  if (r.magnitudeMax == r.magnitudeMin) return 0.0f;
  const float dx = sums[0] * r.dispScale[0];
  const float dy = sums[1] * r.dispScale[1];
  const float dz = sums[2] * r.dispScale[2];
  return std::sqrt(dx * dx + dy * dy + dz * dz) * 255.0f / (r.magnitudeMax - r.magnitudeMin);
}

void Animation::setPointStatesToTargets() {
  const LoadedResult& r = *result_;
  const float move = deformed_ ? coef_ : 0.0f;
  for (int p = 0; p < r.pointCount; ++p) {
    if (r.pointUsed[p] == 0) continue;
    const RestPoint& rest = r.restPoints[p];
    const PointTarget& target = targets_[p];
    FramePoint& state = framePoints_[p];
    state.x = rest.x + target.x * r.dispScale[0] * move;
    state.y = rest.y + target.y * r.dispScale[1] * move;
    state.z = rest.z + target.z * r.dispScale[2] * move;
    state.value = target.value;
    setColour(state);
  }
}

void Animation::sumPoints(const std::int32_t* row, const std::int32_t* nextRow) {
  const LoadedResult& r = *result_;
  const bool allDirections = deformed_ || r.component == kMagnitude;
  for (int c = 0; c < 3; ++c) {
    if (!allDirections && c != r.component) continue;
    if (nextRow == nullptr) {
      modalRowSums(row, r.shape[c].data(), r.modeCount, r.pointCount, r.pointUsed.data(),
                   pointSums_[c].data());
    } else {
      modalRowSumPairs(row, nextRow, r.shape[c].data(), r.modeCount, r.pointCount, r.pointUsed.data(),
                       pointSums_[c].data(), nextPointSums_[c].data());
    }
  }
}

void Animation::aimPointsAt(const DirectionSums& pointSums, bool withIncrements) {
  const LoadedResult& r = *result_;
  const bool allDirections = deformed_ || r.component == kMagnitude;
  FramePoint* increments = framePoints_.data() + r.pointCount;
  for (int p = 0; p < r.pointCount; ++p) {
    if (r.pointUsed[p] == 0) continue;
    PointTarget& target = targets_[p];
    float sums[3] = {target.x, target.y, target.z};
    for (int c = 0; c < 3; ++c) {
      if (allDirections || c == r.component) sums[c] = static_cast<float>(pointSums[c][p]);
    }
    const float value = colourValue(sums);
    if (withIncrements) {
      FramePoint& step = increments[p];
      if (deformed_) {
        step.x = (sums[0] - target.x) * r.dispScale[0] * coef_ / smooth_;
        step.y = (sums[1] - target.y) * r.dispScale[1] * coef_ / smooth_;
        step.z = (sums[2] - target.z) * r.dispScale[2] * coef_ / smooth_;
      }
      step.value = (value - target.value) / smooth_;
    }
    target = PointTarget{sums[0], sums[1], sums[2], value};
  }
}

void Animation::setEdgeStatesToTargets() {
  const LoadedResult& r = *result_;
  for (int e = 0; e < r.edgePointCount; ++e) {
    const EdgePoint& rest = r.edgePoints[e];
    FrameEdge& state = frameEdges_[e];
    state.x = rest.x + static_cast<float>(state.targetX) * r.edgeDispScale[0] * coef_;
    state.y = rest.y + static_cast<float>(state.targetY) * r.edgeDispScale[1] * coef_;
    state.z = rest.z + static_cast<float>(state.targetZ) * r.edgeDispScale[2] * coef_;
  }
}

void Animation::aimEdgesAt(const std::int32_t* row, bool withIncrements) {
  const LoadedResult& r = *result_;
  for (int c = 0; c < 3; ++c) {
    modalRowSums(row, r.edgeShape[c].data(), r.modeCount, r.edgePointCount, nullptr, edgeSums_[c].data());
  }
  const double perSubFrame = static_cast<double>(coef_) / smooth_;
  for (int e = 0; e < r.edgePointCount; ++e) {
    FrameEdge& state = frameEdges_[e];
    const std::int32_t sx = edgeSums_[0][e], sy = edgeSums_[1][e], sz = edgeSums_[2][e];
    if (withIncrements) {
      FrameEdge& step = frameEdges_[r.edgePointCount + e];
      step.x =
          static_cast<float>((static_cast<double>(sx) - state.targetX) * r.edgeDispScale[0] * perSubFrame);
      step.y =
          static_cast<float>((static_cast<double>(sy) - state.targetY) * r.edgeDispScale[1] * perSubFrame);
      step.z =
          static_cast<float>((static_cast<double>(sz) - state.targetZ) * r.edgeDispScale[2] * perSubFrame);
    }
    state.targetX = sx;
    state.targetY = sy;
    state.targetZ = sz;
  }
}

void Animation::ComputeFirstFrame() {
  if (result_ == nullptr) return;  // nothing loaded
  const LoadedResult& r = *result_;
  if (r.stepCount < 2 || r.firstStep < 0 || r.firstStep + 1 >= r.stepCount) return;
  const double t0 = r.stepTime[r.firstStep];
  const double t1 = r.stepTime[r.firstStep + 1];
  const double x = ((static_cast<double>(r.timeStart) - r.timeOffset) / r.timeScale - t0) / (t1 - t0);
  const std::int32_t* q0 = r.modalCoord.data() + static_cast<std::ptrdiff_t>(r.firstStep) * r.modeCount;
  const std::int32_t* q1 = q0 + r.modeCount;
  for (int j = 0; j < r.modeCount; ++j) {
    startRow_[j] = truncToInt32(q0[j] + x * (static_cast<double>(q1[j]) - q0[j]));
  }

  std::fill(frameEdges_.begin(), frameEdges_.end(), FrameEdge{});
  if (deformed_) {
    aimEdgesAt(startRow_.data(), false);
    setEdgeStatesToTargets();
    aimEdgesAt(q1, true);
  }
  std::fill(framePoints_.begin(), framePoints_.end(), FramePoint{});
  sumPoints(startRow_.data(), q1);
  aimPointsAt(pointSums_, false);
  setPointStatesToTargets();
  aimPointsAt(nextPointSums_, true);
}

void Animation::reset() {
  currentFrame_ = startFrame_;
  ComputeFirstFrame();
}

void Animation::EvaluateStep(int k) {
  if (result_ == nullptr) return;  // nothing loaded
  const LoadedResult& r = *result_;
  setPointStatesToTargets();
  if (deformed_) setEdgeStatesToTargets();
  const std::int64_t next = static_cast<std::int64_t>(k) + 1;
  if (next >= 0 && next <= r.lastStep) {
    const std::int32_t* row = r.modalCoord.data() + next * r.modeCount;
    sumPoints(row, nullptr);
    aimPointsAt(pointSums_, true);
    if (deformed_) aimEdgesAt(row, true);
  } else {
    // No step beyond this one: stand still.
    std::fill(framePoints_.begin() + r.pointCount, framePoints_.end(), FramePoint{});
    std::fill(frameEdges_.begin() + r.edgePointCount, frameEdges_.end(), FrameEdge{});
  }
}

void Animation::addIncrements() {
  const LoadedResult& r = *result_;
  const int pointCount = r.pointCount;
  FramePoint* state = framePoints_.data();
  const FramePoint* step = state + pointCount;
  const std::uint8_t* used = r.pointUsed.data();
  if (deformed_) {
    for (int p = 0; p < pointCount; ++p) {
      if (used[p] == 0) continue;
      state[p].x += step[p].x;
      state[p].y += step[p].y;
      state[p].z += step[p].z;
      state[p].value += step[p].value;
      setColour(state[p]);
    }
    FrameEdge* edge = frameEdges_.data();
    const FrameEdge* edgeStep = edge + r.edgePointCount;
    for (int e = 0; e < r.edgePointCount; ++e) {
      edge[e].x += edgeStep[e].x;
      edge[e].y += edgeStep[e].y;
      edge[e].z += edgeStep[e].z;
    }
  } else {
    for (int p = 0; p < pointCount; ++p) {
      if (used[p] == 0) continue;
      state[p].value += step[p].value;
      setColour(state[p]);
    }
  }
}

void Animation::tick(SceneRenderer* renderer) {
  if (startsOver()) reset();
  if (renderer != nullptr) renderer->RenderScene();
  const std::int64_t next = static_cast<std::int64_t>(currentFrame_) + 1;
  if (next >= endFrame_) {
    currentFrame_ = startFrame_;
    return;
  }
  currentFrame_ = static_cast<int>(next);
  if (smooth_ <= 1) {
    EvaluateStep(currentFrame_);
  } else if (currentFrame_ % smooth_ == 0) {
    EvaluateStep(currentFrame_ / smooth_);
  } else {
    addIncrements();
  }
}

Animation Animation::frameAt(int index, bool deformed, float coef) const {
  Animation played;
  played.result_ = result_;
  played.deformed_ = deformed;
  played.coef_ = coef;
  played.smooth_ = smooth_;
  played.startFrame_ = played.currentFrame_ = startFrame_;
  played.endFrame_ = endFrame_;
  if (result_ != nullptr) played.allocate();
  for (int shown = 0; shown < index; ++shown) played.tick(nullptr);
  if (played.startsOver()) played.reset();
  return played;
}

}  // namespace shakeplay
