#include "host/layouts/Layouts.h"

namespace host {

// The test-only sample dialog: one "DATA" block with a value the user edits, a title it shows
// and the accepted word it sets on OK.
NamedLayout sampleLayout() {
  BlockSpec block;
  block.name = "DATA";
  block.tag = "DATA";
  block.kind = "SM";
  block.dataSize = 64;
  block.fields = {
      layoutField("accepted", 0, FieldType::Int32),
      layoutField("value", 8, FieldType::Double),
      layoutField("title", 16, FieldType::Text, 48),
  };
  return {.tool = "sample",
          .program = "korvena-sample-dialog",
          .summary = "test-only sample dialog (until the real tools are built)",
          .description = {.launch = LaunchStyle::Tag, .words = {}, .blocks = {block}},
          .demoValues = R"({"DATA": {"value": 2.5, "title": "Sample settings"}})"};
}

}  // namespace host
