#include "host/layouts/Layouts.h"

namespace host {

const std::vector<NamedLayout>& allLayouts() {
  static const std::vector<NamedLayout> layouts = {
      probeLayout(),    sampleLayout(),    solveSetupLayout(),   convSetLayout(),  loadEntryLayout(),
      bcViewerLayout(), curvePlotLayout(), curvePlotLogLayout(), curveditLayout(),
  };
  return layouts;
}

const NamedLayout* findLayout(std::string_view name) {
  for (const NamedLayout& layout : allLayouts()) {
    if (layout.tool == name || layout.program == name) return &layout;
  }
  return nullptr;
}

}  // namespace host
