// The animation engine: the state shown and its per-sub-frame increments, one step at a time.
#include <algorithm>
#include <cmath>

#include "shakeplay/core/ModalSums.h"
#include "shakeplay/core/SceneRenderer.h"
#include "shakeplay/core/ShakeplayDoc.h"

namespace shakeplay {
namespace {

constexpr int kMagnitude = 3;

void setColour(FramePoint& point, const ColourTable& table) {
  const std::array<float, 3>& rgb = table[colourIndex(point.value)];
  point.red = rgb[0];
  point.green = rgb[1];
  point.blue = rgb[2];
}

}  // namespace

float CShakeplayDoc::colourValue(const float* sums) const {
  if (component != kMagnitude) {
    const int c = component;
    return static_cast<float>((static_cast<double>(sums[c]) - colourOffset[c]) * colourScale[c]);
  }
  // A result that never moves has no magnitude range: every point shows the first entry.
  if (magnitudeMax == magnitudeMin) return 0.0f;
  const float dx = sums[0] * dispScale[0];
  const float dy = sums[1] * dispScale[1];
  const float dz = sums[2] * dispScale[2];
  return std::sqrt(dx * dx + dy * dy + dz * dz) * 255.0f / (magnitudeMax - magnitudeMin);
}

void CShakeplayDoc::setPointStatesToTargets() {
  const float move = deformed ? coef : 0.0f;
  for (int p = 0; p < pointCount; ++p) {
    if (pointUsed[p] == 0) continue;
    const RestPoint& rest = restPoints[p];
    FramePoint& state = framePoints[p];
    state.x = rest.x + rest.targetX * dispScale[0] * move;
    state.y = rest.y + rest.targetY * dispScale[1] * move;
    state.z = rest.z + rest.targetZ * dispScale[2] * move;
    state.value = rest.targetValue;
    setColour(state, colourTable);
  }
}

void CShakeplayDoc::sumPoints(const std::int32_t* row, const std::int32_t* nextRow) {
  const bool allDirections = deformed || component == kMagnitude;
  for (int c = 0; c < 3; ++c) {
    if (!allDirections && c != component) continue;
    if (nextRow == nullptr) {
      modalRowSums(row, shape[c].data(), modeCount, pointCount, pointUsed.data(), pointSums_[c].data());
    } else {
      modalRowSumPairs(row, nextRow, shape[c].data(), modeCount, pointCount, pointUsed.data(), pointSums_[c].data(),
                       nextPointSums_[c].data());
    }
  }
}

void CShakeplayDoc::aimPointsAt(const DirectionSums& pointSums, bool withIncrements) {
  const bool allDirections = deformed || component == kMagnitude;
  FramePoint* increments = framePoints.data() + pointCount;
  for (int p = 0; p < pointCount; ++p) {
    if (pointUsed[p] == 0) continue;
    RestPoint& rest = restPoints[p];
    float sums[3] = {rest.targetX, rest.targetY, rest.targetZ};
    for (int c = 0; c < 3; ++c) {
      if (allDirections || c == component) sums[c] = static_cast<float>(pointSums[c][p]);
    }
    const float value = colourValue(sums);
    if (withIncrements) {
      FramePoint& step = increments[p];
      if (deformed) {
        step.x = (sums[0] - rest.targetX) * dispScale[0] * coef / smooth;
        step.y = (sums[1] - rest.targetY) * dispScale[1] * coef / smooth;
        step.z = (sums[2] - rest.targetZ) * dispScale[2] * coef / smooth;
      }
      step.value = (value - rest.targetValue) / smooth;
    }
    rest.targetX = sums[0];
    rest.targetY = sums[1];
    rest.targetZ = sums[2];
    rest.targetValue = value;
  }
}

void CShakeplayDoc::setEdgeStatesToTargets() {
  for (int e = 0; e < edgePointCount; ++e) {
    const EdgePoint& rest = edgePoints[e];
    FrameEdge& state = frameEdges[e];
    state.x = rest.x + static_cast<float>(state.targetX) * edgeDispScale[0] * coef;
    state.y = rest.y + static_cast<float>(state.targetY) * edgeDispScale[1] * coef;
    state.z = rest.z + static_cast<float>(state.targetZ) * edgeDispScale[2] * coef;
  }
}

void CShakeplayDoc::aimEdgesAt(const std::int32_t* row, bool withIncrements) {
  for (int c = 0; c < 3; ++c) {
    modalRowSums(row, edgeShape[c].data(), modeCount, edgePointCount, nullptr, edgeSums_[c].data());
  }
  const double perSubFrame = static_cast<double>(coef) / smooth;
  for (int e = 0; e < edgePointCount; ++e) {
    FrameEdge& state = frameEdges[e];
    const std::int32_t sx = edgeSums_[0][e], sy = edgeSums_[1][e], sz = edgeSums_[2][e];
    if (withIncrements) {
      FrameEdge& step = frameEdges[edgePointCount + e];
      step.x = static_cast<float>((static_cast<double>(sx) - state.targetX) * edgeDispScale[0] * perSubFrame);
      step.y = static_cast<float>((static_cast<double>(sy) - state.targetY) * edgeDispScale[1] * perSubFrame);
      step.z = static_cast<float>((static_cast<double>(sz) - state.targetZ) * edgeDispScale[2] * perSubFrame);
    }
    state.targetX = sx;
    state.targetY = sy;
    state.targetZ = sz;
  }
}

void CShakeplayDoc::ComputeFirstFrame() {
  if (stepCount < 2 || firstStep < 0 || firstStep + 1 >= stepCount) return;  // nothing loaded
  const double t0 = stepTime[firstStep];
  const double t1 = stepTime[firstStep + 1];
  const double x = ((static_cast<double>(timeStart) - timeOffset) / timeScale - t0) / (t1 - t0);
  const std::int32_t* q0 = modalCoord.data() + static_cast<std::ptrdiff_t>(firstStep) * modeCount;
  const std::int32_t* q1 = q0 + modeCount;
  for (int j = 0; j < modeCount; ++j) {
    startRow_[j] = truncToInt32(q0[j] + x * (static_cast<double>(q1[j]) - q0[j]));
  }

  std::fill(frameEdges.begin(), frameEdges.end(), FrameEdge{});
  if (deformed) {
    aimEdgesAt(startRow_.data(), false);
    setEdgeStatesToTargets();
    aimEdgesAt(q1, true);
  }
  std::fill(framePoints.begin(), framePoints.end(), FramePoint{});
  sumPoints(startRow_.data(), q1);
  aimPointsAt(pointSums_, false);
  setPointStatesToTargets();
  aimPointsAt(nextPointSums_, true);
}

void CShakeplayDoc::renderScene() {
  if (renderer != nullptr) renderer->RenderScene();
}

void CShakeplayDoc::ResetAnimation() {
  currentFrame = startFrame;
  ComputeFirstFrame();
  renderScene();
}

void CShakeplayDoc::EvaluateStep(int k) {
  setPointStatesToTargets();
  if (deformed) setEdgeStatesToTargets();
  const std::int64_t next = static_cast<std::int64_t>(k) + 1;
  if (next >= 0 && next <= lastStep) {
    const std::int32_t* row = modalCoord.data() + next * modeCount;
    sumPoints(row, nullptr);
    aimPointsAt(pointSums_, true);
    if (deformed) aimEdgesAt(row, true);
  } else {
    // No step beyond this one: stand still.
    std::fill(framePoints.begin() + pointCount, framePoints.end(), FramePoint{});
    std::fill(frameEdges.begin() + edgePointCount, frameEdges.end(), FrameEdge{});
  }
}

void CShakeplayDoc::addIncrements() {
  FramePoint* state = framePoints.data();
  const FramePoint* step = state + pointCount;
  const std::uint8_t* used = pointUsed.data();
  if (deformed) {
    for (int p = 0; p < pointCount; ++p) {
      if (used[p] == 0) continue;
      state[p].x += step[p].x;
      state[p].y += step[p].y;
      state[p].z += step[p].z;
      state[p].value += step[p].value;
      setColour(state[p], colourTable);
    }
    FrameEdge* edge = frameEdges.data();
    const FrameEdge* edgeStep = edge + edgePointCount;
    for (int e = 0; e < edgePointCount; ++e) {
      edge[e].x += edgeStep[e].x;
      edge[e].y += edgeStep[e].y;
      edge[e].z += edgeStep[e].z;
    }
  } else {
    for (int p = 0; p < pointCount; ++p) {
      if (used[p] == 0) continue;
      state[p].value += step[p].value;
      setColour(state[p], colourTable);
    }
  }
}

void CShakeplayDoc::AdvanceFrame() {
  if (currentFrame == 0 || currentFrame == startFrame) {
    ResetAnimation();
  } else {
    renderScene();
  }
  const std::int64_t next = static_cast<std::int64_t>(currentFrame) + 1;
  if (next >= endFrame) {
    currentFrame = startFrame;
    return;
  }
  currentFrame = static_cast<int>(next);
  if (smooth <= 1) {
    EvaluateStep(currentFrame);
  } else if (currentFrame % smooth == 0) {
    EvaluateStep(currentFrame / smooth);
  } else {
    addIncrements();
  }
}

}  // namespace shakeplay
