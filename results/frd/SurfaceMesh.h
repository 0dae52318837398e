// The outer surface of a mesh: every face of a volume element that no other element shares,
// facing out of its element, and every shell element as it is; cut into triangles.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "results/frd/FrdFile.h"

namespace host::results {

using NodeCoordinates = std::vector<std::array<double, 3>>;

// A face of the surface by node indices; `mids[i]` is the node halfway along the edge from
// corner i to corner i + 1, or -1 on linear faces.
struct SurfaceFace {
  int cornerCount = 0;
  std::array<int, 4> corners{};
  std::array<int, 4> mids{-1, -1, -1, -1};
  int element = 0;  // index of the element it belongs to
};

// The faces, in element order. Faces that collapse (repeated corners) lose their repeated
// corners; a face left with fewer than three corners is dropped.
std::vector<SurfaceFace> outerFaces(const std::vector<FrdElement>& elements);

// Three node indices per triangle, in the faces' turning sense. A linear quadrilateral is cut
// along its shorter diagonal; a quadratic face becomes a triangle at each corner and the
// triangles of the face between its mid-edge nodes, so that every node of the face is a vertex.
std::vector<std::int32_t> triangulate(const std::vector<SurfaceFace>& faces, const NodeCoordinates& nodes);

// The face's unit normal (zero for a degenerate face), from the loop of its corners and mid nodes.
std::array<double, 3> faceNormal(const SurfaceFace& face, const NodeCoordinates& nodes);

}  // namespace host::results
