#include "curveplot/CurveReader.h"

#include <cstring>
#include <new>

namespace curveplot {

std::string captionOf(const char (&field)[kCurveCaptionBytes]) {
  const void* end = std::memchr(field, '\0', kCurveCaptionBytes);
  const std::size_t length =
      end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - field)
                     : kCurveCaptionBytes - 1;
  return std::string(field, length);
}

std::optional<CurveInput> readCurve(BlockBytes info, BlockBytes line, std::size_t firstRecord) {
  if (info.data == nullptr || line.data == nullptr || info.size < kCurveInfoMinSize) {
    return std::nullopt;
  }
  CurveInfoBlock fields{};
  std::memcpy(&fields, info.data, kCurveInfoMinSize);
  if (fields.segmentCount < 0) return std::nullopt;
  const auto count = static_cast<std::size_t>(fields.segmentCount);
  if (line.size / sizeof(CurveSegment) < count) return std::nullopt;

  CurveInput curve;
  curve.markMaximum = fields.markMaximum;
  curve.valueTop = fields.valueTop;
  curve.valueBottom = fields.valueBottom;
  curve.dispersion = fields.dispersion;
  curve.caption = captionOf(fields.caption);
  curve.firstRecord = firstRecord;
  try {
    curve.segments.resize(count);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  if (firstRecord < count) {
    std::memcpy(curve.segments.data() + firstRecord,
                static_cast<const std::byte*>(line.data) + firstRecord * sizeof(CurveSegment),
                (count - firstRecord) * sizeof(CurveSegment));
  }
  return curve;
}

}  // namespace curveplot
