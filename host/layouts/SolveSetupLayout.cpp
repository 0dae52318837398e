#include <cstddef>

#include "host/layouts/Layouts.h"
#include "solvesetup/DynamicSettingsBlock.h"

namespace host {

// solvesetup's "DATA" block, by the names of its fields. The demo is an analysis in the
// frequency domain from 0.5 to 200 Hz with Rayleigh damping tuned to about 2 % at 2 and 60 Hz.
NamedLayout solveSetupLayout() {
  using B = DynamicSettingsBlock;
  const BlockSpec block =
      taggedBlock("DATA", kDynamicSettingsMinSize,
                  {
                      layoutField("accepted", offsetof(B, accepted), FieldType::Int32),
                      layoutField("densityLevel", offsetof(B, densityLevel), FieldType::Int32),
                      layoutField("samplingUnit", offsetof(B, samplingUnit), FieldType::Int32),
                      layoutField("freqMin", offsetof(B, freqMin), FieldType::Double),
                      layoutField("freqMax", offsetof(B, freqMax), FieldType::Double),
                      layoutField("dampingKind", offsetof(B, dampingKind), FieldType::Int32),
                      layoutField("dampingA", offsetof(B, dampingA), FieldType::Double),
                      layoutField("dampingB", offsetof(B, dampingB), FieldType::Double),
                      layoutField("analysisMode", offsetof(B, analysisMode), FieldType::Int32),
                  });
  return {.tool = "solvesetup",
          .program = "solvesetup",
          .summary = "dynamic-analysis settings: sampling time or frequency range, density, damping",
          .description = {.launch = LaunchStyle::Tag, .words = {}, .blocks = {block}},
          .demoValues = R"({"DATA": {"analysisMode": 4, "densityLevel": 1, "samplingUnit": 1,
                                     "freqMin": 0.5, "freqMax": 200.0, "dampingKind": 1,
                                     "dampingA": 0.4864, "dampingB": 1.0268e-4}})"};
}

}  // namespace host
