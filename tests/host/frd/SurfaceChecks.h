// Checks of a triangulated surface that know nothing of how it was made.
#pragma once

#include <cstdint>
#include <vector>

#include "results/frd/SurfaceMesh.h"

namespace host::results::test {

// The volume a closed surface encloses, positive when its triangles face out.
double enclosedVolume(const std::vector<std::int32_t>& triangles, const NodeCoordinates& nodes);

// Every edge of a closed, consistently turned surface is passed once each way.
bool closedAndConsistent(const std::vector<std::int32_t>& triangles);

}  // namespace host::results::test
