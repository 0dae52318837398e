#include <cstddef>

#include "host/layouts/Layouts.h"
#include "host/layouts/LoadFields.h"
#include "loadentry/LoadBcInputBlock.h"

namespace host {

// loadentry's block, by the names of its fields; the load functions follow the fixed part as
// records that begin with their name, and the block grows with them. `value` holds the nine
// values point by point. The demo is a line load varying over three named points under a time
// function chosen from two; its variants are the other distributions.
NamedLayout loadEntryLayout() {
  using B = LoadBcInputBlock;
  const BlockSpec block =
      keyBlock("BLOCK", sizeof(B),
               {
                   layoutField("status", offsetof(B, status), FieldType::Int32),
                   layoutField("distribution", offsetof(B, distribution), FieldType::Int32),
                   layoutField("functionIndex", offsetof(B, functionIndex), FieldType::Int32),
                   layoutField("functionKind", offsetof(B, functionKind), FieldType::Int32),
                   layoutField("functionCount", offsetof(B, functionCount), FieldType::Int32),
                   layoutField("csysName", offsetof(B, csysName), FieldType::Text, sizeof B::csysName),
               },
               {
                   pointNameArray(offsetof(B, pointName)),
                   layoutArray("loadType", offsetof(B, loadType), FieldType::Int32, 3, sizeof(std::int32_t)),
                   valueArray(offsetof(B, value)),
                   layoutRecords("functionEntries", kFunctionEntriesOffset, kFunctionEntrySize,
                                 {layoutField("name", 0, FieldType::Text, kFunctionEntrySize)}),
               });
  return {.tool = "loadentry",
          .program = "loadentry",
          .summary = "one load or boundary condition: types and values per direction, load function",
          .description = {.launch = LaunchStyle::Key, .words = {}, .blocks = {block}},
          .demoValues = R"({"BLOCK": {"distribution": 3, "pointName": ["n104", "mid", "n118"],
          "loadType": [0, 0, 1], "value": [0.0, -1500.0, 0.0, 0.0, -2250.0, 0.0,
                                           0.0, -3125.5, 0.0],
          "functionKind": 1, "functionIndex": 1, "functionCount": 2,
          "csysName": "BEAM-LOCAL-2",
          "functionEntries": [{"name": "RAMP 0-0.5s"}, {"name": "HALF-SINE 20ms"}]}})",
          .demoVariants = {
              {"uniform", R"({"BLOCK": {"distribution": 1, "loadType": [2, 0, 1],
              "value": [12000.0, 0.0, 0.0015], "functionKind": -1, "functionCount": 0,
              "csysName": "GLOBAL"}})"},
              {"twopoint", R"({"BLOCK": {"distribution": 2, "loadType": [0, 1, 0],
              "value": [350.0, 0.002, 0.0, 125.0, 0.002, 0.0], "functionKind": 2,
              "functionIndex": 0, "functionCount": 1, "csysName": "EDGE-7",
              "functionEntries": [{"name": "PSD-WIND"}]}})"},
              {"undistributed", R"({"BLOCK": {"distribution": 0, "loadType": [0, 2, 1],
              "value": [4.5, -4.5, 0.0], "functionKind": -1, "functionCount": 0,
              "csysName": "CYL-3"}})"},
          }};
}

}  // namespace host
