// Every named layout the host knows. To add one: write host/layouts/<Tool>Layout.cpp defining
// the function, declare it here and list it in LayoutRegistry.cpp.
#pragma once

#include <string_view>
#include <vector>

#include "host/layouts/NamedLayout.h"

namespace host {

NamedLayout probeLayout();
NamedLayout sampleLayout();
NamedLayout solveSetupLayout();
NamedLayout convSetLayout();
NamedLayout loadEntryLayout();
NamedLayout bcViewerLayout();
NamedLayout curvePlotLayout();
NamedLayout curvePlotLogLayout();
NamedLayout curveditLayout();

// All layouts, in the order of LayoutRegistry.cpp.
const std::vector<NamedLayout>& allLayouts();

// The layout whose tool or program name is `name`, or null.
const NamedLayout* findLayout(std::string_view name);

}  // namespace host
