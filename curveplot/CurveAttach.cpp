#include "curveplot/CurveAttach.h"

#include "runtime/skeleton/TagBlocks.h"

namespace curveplot {
namespace {

BlockBytes bytesOf(const skeleton::TagBlocks& blocks, const char* tag) {
  const int size = blocks.size(tag);
  return {blocks.data(tag), size > 0 ? static_cast<std::size_t>(size) : 0};
}

}  // namespace

// The blocks go when `blocks` does, right after the copy.
std::optional<CurveInput> readLaunchedCurve(int argc, const char* const* argv, std::size_t firstRecord) {
  skeleton::TagBlocks blocks;
  if (!blocks.attach(argc, argv, {kCurveInfoTag, kCurveLineTag})) return std::nullopt;
  return readCurve(bytesOf(blocks, kCurveInfoTag), bytesOf(blocks, kCurveLineTag), firstRecord);
}

}  // namespace curveplot
