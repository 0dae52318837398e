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
  }
}

void showLayout(const std::string& tool) {
  const NamedLayout* layout = findLayout(tool);
  if (layout == nullptr) fail("no named layout \"" + tool + "\"", kExitBadInput);
  std::cout << toRawJson(layout->description).dump(2) << "\n";
}

}  // namespace

void addLayoutsCommand(CLI::App& app) {
  auto tool = std::make_shared<std::string>();
  CLI::App* command = app.add_subcommand(
      "layouts", "List the named layouts, or print TOOL's layout as a raw description");
  command->add_option("TOOL", *tool, "a tool with a named layout");
  command->callback([tool] { tool->empty() ? listLayouts() : showLayout(*tool); });
}

}  // namespace host::cli
