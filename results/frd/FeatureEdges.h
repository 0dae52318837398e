// The lines worth drawing on a surface: the edges of its faces that bound it (used by one face,
// or by more than two), and those where two faces meet at more than a given angle, joined
// into polylines of node indices.
#pragma once

#include <vector>

#include "results/frd/SurfaceMesh.h"

namespace host::results {

// The angle between face normals above which an edge is drawn, when none is asked for.
inline constexpr double kDefaultFeatureAngle = 30.0;

// Polylines run from an end or a branch point to the next; closed loops repeat their first node
// at the end. A quadratic edge passes through its mid node.
std::vector<std::vector<int>> featureLines(const std::vector<SurfaceFace>& faces,
                                           const NodeCoordinates& nodes, double angleDegrees);

}  // namespace host::results
