#include <cstddef>

#include "convset/ConvergenceBlock.h"
#include "host/layouts/Layouts.h"

namespace host {

// convset's block, by the names of its fields. The demo is a structural analysis checked on its
// displacement and its total RMS traction error change, between levels 3 and 8 in at most 12
// passes; the variants are a thermal analysis (the criteria named after temperature and flux), a
// frequency analysis (with the frequency row) and a kind the dialog knows no criteria for.
NamedLayout convSetLayout() {
  using B = ConvergenceBlock;
  const BlockSpec block =
      keyBlock("BLOCK", kConvergenceBlockSize,
               {
                   layoutField("analysisType", offsetof(B, analysisType), FieldType::Int32),
                   layoutField("freqDispSelected", offsetof(B, freqDispSelected), FieldType::Int32),
                   layoutField("mainSelected", offsetof(B, mainSelected), FieldType::Int32),
                   layoutField("totalChangeSelected", offsetof(B, totalChangeSelected), FieldType::Int32),
                   layoutField("localChangeSelected", offsetof(B, localChangeSelected), FieldType::Int32),
                   layoutField("totalErrorSelected", offsetof(B, totalErrorSelected), FieldType::Int32),
                   layoutField("maxTracSelected", offsetof(B, maxTracSelected), FieldType::Int32),
                   layoutField("freqDispValue", offsetof(B, freqDispValue), FieldType::Double),
                   layoutField("mainValue", offsetof(B, mainValue), FieldType::Double),
                   layoutField("totalChangeValue", offsetof(B, totalChangeValue), FieldType::Double),
                   layoutField("localChangeValue", offsetof(B, localChangeValue), FieldType::Double),
                   layoutField("totalErrorValue", offsetof(B, totalErrorValue), FieldType::Double),
                   layoutField("maxTracValue", offsetof(B, maxTracValue), FieldType::Double),
                   layoutField("levelMin", offsetof(B, levelMin), FieldType::Int32),
                   layoutField("levelMax", offsetof(B, levelMax), FieldType::Int32),
                   layoutField("maxPasses", offsetof(B, maxPasses), FieldType::Int32),
               });
  return {.tool = "convset",
          .program = "convset",
          .summary = "convergence criteria: error measures and their limits, levels, passes",
          .description = {.launch = LaunchStyle::Key, .words = {}, .blocks = {block}},
          .demoValues = R"({"BLOCK": {"analysisType": 0, "mainSelected": 1, "mainValue": 2.5,
                                      "totalChangeSelected": 1, "totalChangeValue": 4.0,
                                      "localChangeSelected": 0, "localChangeValue": 5.0,
                                      "totalErrorSelected": 1, "totalErrorValue": 3.0,
                                      "maxTracSelected": 0, "maxTracValue": 25.0,
                                      "levelMin": 3, "levelMax": 8, "maxPasses": 12}})",
          .demoVariants = {
              {"thermal", R"({"BLOCK": {"analysisType": 1, "mainSelected": 1, "mainValue": 2.0,
                                        "localChangeSelected": 1, "localChangeValue": 4.5,
                                        "totalErrorSelected": 1, "totalErrorValue": 5.0,
                                        "maxTracSelected": 1, "maxTracValue": 40.0,
                                        "levelMin": 2, "levelMax": 7, "maxPasses": 10}})"},
              {"frequency", R"({"BLOCK": {"analysisType": 2, "freqDispSelected": 1,
                                          "freqDispValue": 3.0, "mainSelected": 1,
                                          "mainValue": 1.5, "totalChangeSelected": 1,
                                          "totalChangeValue": 5.0, "localChangeValue": 5.0,
                                          "totalErrorValue": 5.0, "maxTracValue": 50.0,
                                          "levelMin": 4, "levelMax": 10, "maxPasses": 15}})"},
              {"other", R"({"BLOCK": {"analysisType": 5, "mainSelected": 1, "mainValue": 4.0,
                                      "levelMin": 3, "levelMax": 9, "maxPasses": 15}})"},
          }};
}

}  // namespace host
