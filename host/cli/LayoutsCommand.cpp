#include <iostream>
#include <memory>

#include "host/cli/CommandSupport.h"
#include "host/cli/Commands.h"
#include "host/core/DescriptionJson.h"
#include "host/core/ToolRun.h"
#include "host/layouts/Layouts.h"

namespace host::cli {
namespace {

void listLayouts() {
  for (const NamedLayout& layout : allLayouts()) {
    std::cout << layout.tool << " (" << layout.program << "): " << layout.summary << "\n";
    if (layout.demoVariants.empty()) continue;
    std::cout << "  demos:";
    for (const DemoVariant& variant : layout.demoVariants) std::cout << " " << variant.name;
    std::cout << "\n";
  }
}

void showLayout(const std::string& tool) {
  const NamedLayout* layout = findLayout(tool);
  if (layout == nullptr) fail("no named layout \"" + tool + "\"", kExitBadInput);
  // Arrays are shown element by element, as a run without values would write them.
  std::cout << toRawJson(applyNamedValues(layout->description, Json::object())).dump(2) << "\n";
}

}  // namespace

void addLayoutsCommand(CLI::App& app) {
  auto tool = std::make_shared<std::string>();
  CLI::App* command =
      app.add_subcommand("layouts", "List the named layouts, or print TOOL's layout as a raw description");
  command->add_option("TOOL", *tool, "a tool with a named layout");
  command->callback([tool] { tool->empty() ? listLayouts() : showLayout(*tool); });
}

}  // namespace host::cli
