#include "shakeplay/reduction/ReducedLevels.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace shakeplay {

const ReducedMesh* ReducedLevels::forPixel(float pixel) {
  const float side = pixel * kCubePixels;
  if (!(side > 0.0f) || !std::isfinite(side)) return nullptr;
  // The largest side of the √2 steps that is no larger than the one asked for.
  const int step = static_cast<int>(std::floor(2.0f * std::log2(side)));
  if (builtFor_ != result_.triangles.data()) {
    // Another result was read into the document since: nothing built is of use.
    levels_.clear();
    border_.clear();
    shownCount_ = 0;
    builtFor_ = result_.triangles.data();
  }
  if (border_.empty()) {
    border_ = borderPoints(result_.pointCount, {result_.triangles.data(), result_.triangles.size()},
                           {result_.triangleShown.data(), result_.triangleShown.size()});
    for (const std::uint8_t shown : result_.triangleShown) shownCount_ += shown != 0 ? 1 : 0;
    extent_ = 0.0f;
    for (const RestPoint& p : result_.restPoints) {
      extent_ = std::max({extent_, std::abs(p.x), std::abs(p.y), std::abs(p.z)});
    }
  }
  const float cube = std::exp2(0.5f * static_cast<float>(step));
  // Zoomed in so far that the model spans more cubes than a key can number: nothing to gain.
  if (extent_ / cube >= kMostCubes) return nullptr;
  auto found = levels_.find(step);
  if (found == levels_.end()) {
    if (levels_.size() == kKept) {
      // The side furthest from this one goes.
      auto furthest = levels_.begin();
      for (auto level = levels_.begin(); level != levels_.end(); ++level) {
        if (std::abs(level->first - step) > std::abs(furthest->first - step)) furthest = level;
      }
      levels_.erase(furthest);
    }
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
