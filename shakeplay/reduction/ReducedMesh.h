// A coarser copy of the model's shown triangles, drawn while the picture moves (the animation
// plays or the user drags): the model's points are clustered in cubes of a given side, and one
// point of each cube stands for the others. The points kept are the model's own, so what is
// drawn at them (position and colour) is the animation's exact value there. Points on the
// border of the shown surface each stand for themselves, so that the outline stays where it is.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "shakeplay/core/Records.h"

namespace shakeplay {

struct ReducedMesh {
  std::vector<std::int32_t> points;     // the model points kept, in ascending order
  std::vector<std::int32_t> triangles;  // three corners each, as indices into `points`
};

// For each point: 1 when it lies on an edge that exactly one shown triangle uses (the border
// of the shown surface), else 0.
std::vector<std::uint8_t> borderPoints(int pointCount, std::span<const std::int32_t> triangles,
                                       std::span<const std::uint8_t> shown);

// The shown triangles with their corners moved to the point standing for their cube (side
// `cell`, in the points' units); triangles that lose a corner that way are dropped. Points that
// no shown triangle uses are left out. `pinned` points stand for themselves. No coordinate may
// lie 2^20 cubes or more from 0.
ReducedMesh reduceMesh(std::span<const RestPoint> rest, std::span<const std::int32_t> triangles,
                       std::span<const std::uint8_t> shown, std::span<const std::uint8_t> pinned, float cell);

// The frame's records of the kept points, in the order of `points`.
void gatherPoints(std::span<const FramePoint> frame, std::span<const std::int32_t> points,
                  std::vector<FramePoint>& out);

}  // namespace shakeplay
