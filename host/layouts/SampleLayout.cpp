#include "host/layouts/Layouts.h"

namespace host {

// The Qt binder's sample dialog (tests/platform/ui/qt/sample) reads no block: it gets one empty
// "DATA" block only so that `korvena-host demo sample` starts it the way a tag tool is started.
NamedLayout sampleLayout() {
  const BlockSpec block = taggedBlock("DATA", 16, {});
  return {.tool = "sample",
          .program = "korvena-sample-dialog",
          .summary = "the binder's sample dialog: shows every control kind, reads no block",
          .description = {.launch = LaunchStyle::Tag, .words = {}, .blocks = {block}},
          .demoValues = "{}"};
}

}  // namespace host
