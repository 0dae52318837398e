// The reduced meshes of one result, by the size of a pixel: the cube side follows the pixel's
// size in steps of a factor √2, so that a zoom reuses what was built until it has gone a step
// further. The few sides met last are kept.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "shakeplay/core/LoadedResult.h"
#include "shakeplay/reduction/ReducedMesh.h"

namespace shakeplay {

class ReducedLevels {
 public:
  // The largest cube side, in pixels (the side drawn lies between this and this / √2, 2 to 2.8
  // pixels): the triangles left cover two to four pixels each, and their corners are the
  // model's own points. Measured on the synthetic plate and a CalculiX slab, this side changes
  // far fewer than 1 % of the model's pixels by more than 8 levels, and halves the cost of a
  // frame against sides of 1.4 to 2 pixels.
  static constexpr float kCubePixels = 2.83f;
  // A reduction that keeps more than this share of the triangles is not worth drawing.
  static constexpr double kWorthwhileShare = 0.6;

  // The result is the document's, whose contents a later read may replace.
  explicit ReducedLevels(const LoadedResult& result) : result_(result) {}

  // The mesh to draw where a pixel spans `pixel` units of the model; null when the full mesh
  // costs about as much (a close view) or the pixel's size is no usable number.
  const ReducedMesh* forPixel(float pixel);

 private:
  static constexpr std::size_t kKept = 4;
  // The most cubes from the centre to the model's furthest point along an axis.
  static constexpr float kMostCubes = 1 << 19;

  const LoadedResult& result_;
  std::vector<std::uint8_t> border_;  // computed with the first mesh, as is the count
  std::size_t shownCount_ = 0;
  float extent_ = 0.0f;                     // the largest coordinate, in either sign
  const std::int32_t* builtFor_ = nullptr;  // the triangles the meshes were built from
  std::map<int, ReducedMesh> levels_;       // by step: cube side √2^step
};

}  // namespace shakeplay
