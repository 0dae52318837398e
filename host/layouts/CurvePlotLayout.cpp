#include <cstddef>

#include "curveplot/CurveBlocks.h"
#include "host/layouts/CurvePlotDemos.h"
#include "host/layouts/Layouts.h"

namespace host {
namespace {

// The "INFO" block and the "LINE" block of both plots; the "LINE" block grows to the segments
// given (remember to give segmentCount with them).
Description curveBlocks() {
  using I = CurveInfoBlock;
  using S = CurveSegment;
  const BlockSpec info =
      taggedBlock(kCurveInfoTag, kCurveInfoMinSize,
                  {
                      layoutField("markMaximum", offsetof(I, markMaximum), FieldType::Int32),
                      layoutField("valueTop", offsetof(I, valueTop), FieldType::Double),
                      layoutField("valueBottom", offsetof(I, valueBottom), FieldType::Double),
                      layoutField("segmentCount", offsetof(I, segmentCount), FieldType::Int32),
                      layoutField("dispersion", offsetof(I, dispersion), FieldType::Double),
                      layoutField("caption", offsetof(I, caption), FieldType::Text, kCurveCaptionBytes),
                  });
  const BlockSpec line = taggedBlock(kCurveLineTag, 0, {},
                                     {layoutRecords("segments", 0, sizeof(S),
                                                    {
                                                        layoutField("x0", offsetof(S, x0), FieldType::Double),
                                                        layoutField("x1", offsetof(S, x1), FieldType::Double),
                                                        layoutField("y0", offsetof(S, y0), FieldType::Double),
                                                        layoutField("y1", offsetof(S, y1), FieldType::Double),
                                                    })});
  return {.launch = LaunchStyle::Tag, .words = {}, .blocks = {info, line}};
}

}  // namespace

NamedLayout curvePlotLayout() {
  return {.tool = "curveplot",
          .program = "curveplot",
          .summary = "a result curve on a linear value axis (record 0 of LINE is not read)",
          .description = curveBlocks(),
          .demoValues = dampedOscillatorDemo()};
}

NamedLayout curvePlotLogLayout() {
  return {.tool = "curveplotb",
          .program = "curveplotb",
          .summary = "a result curve on a logarithmic value axis of whole decades",
          .description = curveBlocks(),
          .demoValues = frequencyResponseDemo()};
}

}  // namespace host
