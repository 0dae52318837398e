#include "curveplot/CurveReader.h"

#include <new>

#include "platform/FieldText.h"
#include "runtime/ipc/BlockView.h"

namespace curveplot {

using lyrBlocks::BlockView;

std::optional<CurveInput> readCurve(BlockBytes info, BlockBytes line, std::size_t firstRecord) {
  const auto infoView = BlockView::over(info.data, info.size, kCurveInfoMinSize);
  if (!infoView || line.data == nullptr) return std::nullopt;
  const auto fields = infoView->copy<CurveInfoBlock>();
  if (fields.segmentCount < 0) return std::nullopt;
  const auto count = static_cast<std::size_t>(fields.segmentCount);
  const auto lineView = BlockView::over(line.data, line.size, count * sizeof(CurveSegment));
  if (!lineView) return std::nullopt;

  CurveInput curve;
  curve.markMaximum = fields.markMaximum;
  curve.valueTop = fields.valueTop;
  curve.valueBottom = fields.valueBottom;
  curve.dispersion = fields.dispersion;
  curve.caption = platform::fieldText(fields.caption, kCurveCaptionBytes - 1);
  curve.firstRecord = firstRecord;
  try {
    curve.segments.resize(count);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  for (std::size_t i = firstRecord; i < count; ++i) {
    curve.segments[i] = *lineView->field<CurveSegment>(i * sizeof(CurveSegment));
  }
  return curve;
}

}  // namespace curveplot
