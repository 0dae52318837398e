#include <cstddef>

#include "curvedit/FunctionBlocks.h"
#include "host/layouts/Layouts.h"

namespace host {

// curvedit's "INFO" and "DATA" blocks, by the names of their fields. The demo is the time
// function of a load ramped up over 0.25 s, held to 1.5 s and released by 1.75 s; the
// "frequency" variant a load spectrum from 2 to 60 Hz on a model whose highest natural
// frequency is 38.6 Hz.
NamedLayout curveditLayout() {
  using I = FunctionInfoBlock;
  using D = FunctionDataBlock;
  const BlockSpec info = taggedBlock(
      "INFO", kFunctionInfoSize,
      {
          layoutField("minTimeStep", offsetof(I, minTimeStep), FieldType::Double),
          layoutField("highestNaturalFrequency", offsetof(I, highestNaturalFrequency), FieldType::Double),
          layoutField("functionTitle", offsetof(I, functionTitle), FieldType::Text, kFunctionTitleWidth),
      });
  const BlockSpec data = taggedBlock(
      "DATA", kFunctionDataSize,
      {
          layoutField("functionName", offsetof(D, functionName), FieldType::Text, sizeof D::functionName),
          layoutField("status", offsetof(D, status), FieldType::Int32),
          layoutField("pointCount", offsetof(D, pointCount), FieldType::Int32),
      },
      {
          layoutArray("abscissa", offsetof(D, abscissa), FieldType::Double, kMaxFunctionPoints,
                      sizeof(double)),
          layoutArray("ordinate", offsetof(D, ordinate), FieldType::Double, kMaxFunctionPoints,
                      sizeof(double)),
      });
  return {.tool = "curvedit",
          .program = "curvedit",
          .summary = "edits the time or frequency function of a load on its graph",
          .description = {.launch = LaunchStyle::Tag, .words = {}, .blocks = {info, data}},
          .demoValues = R"({"INFO": {"minTimeStep": 0.05, "highestNaturalFrequency": 38.6,
                                     "functionTitle": "TIME function :"},
                            "DATA": {"functionName": "Ramp hold release", "pointCount": 5,
                                     "abscissa": [0.0, 0.25, 1.5, 1.75, 2.5],
                                     "ordinate": [0.0, 1.0, 1.0, 0.0, 0.0]}})",
          .demoVariants = {{"frequency",
                            R"({"INFO": {"minTimeStep": 0.05, "highestNaturalFrequency": 38.6,
                                         "functionTitle": "FREQUENCY function :"},
                                "DATA": {"functionName": "Base excitation spectrum",
                                         "pointCount": 6,
                                         "abscissa": [0.0, 2.0, 5.0, 40.0, 60.0, 70.0],
                                         "ordinate": [0.0, 0.4, 1.0, 1.0, 0.2, 0.0]}})"}}};
}

}  // namespace host
