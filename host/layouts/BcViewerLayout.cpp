#include <cstddef>
#include <string>

#include "bcviewer/LoadBcInfoBlock.h"
#include "host/layouts/Layouts.h"
#include "host/layouts/LoadFields.h"

namespace host {

// bcviewer's block, by the names of its fields; `value` holds the nine values point by point and
// `typeNames` the three directions' types in 12 characters each. The demo is a pressure load
// varying between two points, viewed for a dynamic analysis; its variants show it for a static
// one and the other distributions.
NamedLayout bcViewerLayout() {
  using B = LoadBcInfoBlock;
  const std::string pressure = R"("BLOCK": {"distribution": 2,
      "value": [0.0, 0.0, -2.5e5, 0.0, 0.0, -4.75e5],
      "functionName": "BLAST 0.2s", "csysName": "PLATE-NORMAL",
      "typeNames": "LOAD/UNIT   LOAD/UNIT   PRESSURE"})";
  const BlockSpec block = keyBlock(
      "BLOCK", kLoadBcInfoMinSize,
      {
          layoutField("distribution", offsetof(B, distribution), FieldType::Int32),
          layoutField("functionName", offsetof(B, functionName), FieldType::Text, sizeof B::functionName),
          layoutField("csysName", offsetof(B, csysName), FieldType::Text, sizeof B::csysName),
          layoutField("typeNames", offsetof(B, typeNames), FieldType::Text, sizeof B::typeNames),
      },
      {pointNameArray(offsetof(B, pointName)), valueArray(offsetof(B, value))});
  return {.tool = "bcviewer",
          .program = "bcviewer",
          .summary = "shows one load or boundary condition read-only (-stat or -dyn)",
          .description = {.launch = LaunchStyle::Key, .words = {}, .blocks = {block}},
          .demoValues = R"({"words": ["-dyn"], )" + pressure + "}",
          .demoVariants = {
              {"stat", R"({"words": ["-stat"], )" + pressure + "}"},
              {"uniform", R"({"words": ["-dyn"], "BLOCK": {"distribution": 1,
              "value": [0.0, -9810.0, 0.0], "functionName": "GRAVITY STEP",
              "csysName": "GLOBAL", "typeNames": "LOAD/UNIT   TOTAL FORCE LOAD/UNIT"}})"},
              {"threepoint", R"({"words": ["-dyn"], "BLOCK": {"distribution": 3,
              "pointName": ["n104", "Mid", "N118"],
              "value": [0.0, -1500.0, 0.001, 0.0, -2250.0, 0.0, 0.0, -3125.5, 0.0],
              "functionName": "RAMP 0-0.5s", "csysName": "BEAM-LOCAL-2",
              "typeNames": "LOAD/UNIT   LOAD/UNIT   DISPLACEMENT"}})"},
          }};
}

}  // namespace host
