#include "shakeplay/reduction/ReducedLevels.h"

#include <cmath>
#include <cstdlib>

namespace shakeplay {

const ReducedMesh* ReducedLevels::forPixel(float pixel) {
  const float side = pixel * kCubePixels;
  if (!(side > 0.0f) || !std::isfinite(side)) return nullptr;
  // The largest side of the √2 steps that is no larger than the one asked for.
  const int step = static_cast<int>(std::floor(2.0f * std::log2(side)));
  auto found = levels_.find(step);
  if (found == levels_.end()) {
    if (border_.empty()) {
      border_ = borderPoints(result_.pointCount, {result_.triangles.data(), result_.triangles.size()},
                             {result_.triangleShown.data(), result_.triangleShown.size()});
      for (const std::uint8_t shown : result_.triangleShown) shownCount_ += shown != 0 ? 1 : 0;
    }
    if (levels_.size() == kKept) {
      // The side furthest from this one goes.
      auto furthest = levels_.begin();
      for (auto level = levels_.begin(); level != levels_.end(); ++level) {
        if (std::abs(level->first - step) > std::abs(furthest->first - step)) furthest = level;
      }
      levels_.erase(furthest);
    }
    const float cube = std::exp2(0.5f * static_cast<float>(step));
    found = levels_
                .emplace(step, reduceMesh({result_.restPoints.data(), result_.restPoints.size()},
                                          {result_.triangles.data(), result_.triangles.size()},
                                          {result_.triangleShown.data(), result_.triangleShown.size()},
                                          border_, cube))
                .first;
  }
  const double kept = static_cast<double>(found->second.triangles.size() / 3);
  return kept <= kWorthwhileShare * static_cast<double>(shownCount_) ? &found->second : nullptr;
}

}  // namespace shakeplay
