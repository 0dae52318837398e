// Reads a curve out of its two blocks into the tool's own memory, so that the blocks can be let
// go at once. Nothing is read beyond a block's data size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "curveplot/CurveBlocks.h"

namespace curveplot {

// A block's data area as the tool sees it; a null address for a block that is not there.
struct BlockBytes {
  const void* data = nullptr;
  std::size_t size = 0;
};

// What a plot copies from its blocks.
struct CurveInput {
  std::int32_t markMaximum = 0;
  double valueTop = 0.0;
  double valueBottom = 0.0;
  double dispersion = 0.0;
  std::string caption;
  // segmentCount records; those before firstRecord were not read and stay zero.
  std::vector<CurveSegment> segments;
  std::size_t firstRecord = 0;
};

// The curve, or nothing when the blocks do not hold one: a block missing, an "INFO" block
// shorter than its fields, a negative segment count, a "LINE" block shorter than the count's
// records, or no memory for the copy. Records before firstRecord are left zero, unread.
// The caption is read up to its ending zero, or as its first 299 characters when it has none.
std::optional<CurveInput> readCurve(BlockBytes info, BlockBytes line, std::size_t firstRecord);

}  // namespace curveplot
