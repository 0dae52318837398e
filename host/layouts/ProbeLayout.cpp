#include <cstddef>

#include "host/layouts/Layouts.h"
#include "host/layouts/ProbeBlock.h"

namespace host {

NamedLayout probeLayout() {
  const BlockSpec block =
      taggedBlock("DATA", sizeof(ProbeBlock),
                  {layoutField("sizeSeen", offsetof(ProbeBlock, sizeSeen), FieldType::Int32),
                   layoutField("text", offsetof(ProbeBlock, text), FieldType::Text, sizeof ProbeBlock::text),
                   layoutField("input", offsetof(ProbeBlock, input), FieldType::Int32)});
  return {.tool = "probe",
          .program = "korvena-ipc-probe",
          .summary = "test probe: writes the data size it saw and a fixed text",
          .description = {.launch = LaunchStyle::Tag, .words = {}, .blocks = {block}},
          .demoValues = R"({"DATA": {"input": 42}})"};
}

}  // namespace host
