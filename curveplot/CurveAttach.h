// The curve as the host launched the tool with it: the blocks named by the /TAG: words are
// attached, the curve is copied out of "INFO" and "LINE", and every block is let go again.
#pragma once

#include <cstddef>
#include <optional>

#include "curveplot/CurveReader.h"

namespace curveplot {

// The curve, or nothing when an attach failed or the blocks do not hold one (readCurve). No
// block stays attached either way.
std::optional<CurveInput> readLaunchedCurve(int argc, const char* const* argv, std::size_t firstRecord);

}  // namespace curveplot
