#include <memory>

#include "host/cli/CommandSupport.h"
#include "host/cli/Commands.h"
#include "host/cli/ShakeplayDemo.h"
#include "host/core/ToolProcess.h"
#include "host/core/ToolRun.h"
#include "host/layouts/Layouts.h"

namespace host::cli {
namespace {

void demo(const std::string& tool, const std::string& variant) {
  if (tool == "shakeplay") {
    if (!variant.empty()) fail("shakeplay has one demo, no variant \"" + variant + "\"", kExitBadInput);
    return runShakeplayDemo();
  }
  const NamedLayout* layout = findLayout(tool);
  if (layout == nullptr) fail("no demo for \"" + tool + "\" (see korvena-host layouts)", kExitBadInput);
  const std::string program = programFor(tool, layout);
  try {
    resolveTool(program, executableFolder());
  } catch (const ToolStartError& error) {
    fail("the demo of " + layout->tool + " needs " + program + ", which is not built yet (" + error.what() +
             ")",
         kExitToolNotStarted);
  }
  RunInput input;
  try {
    input = demoInput(*layout, variant);
  } catch (const DescriptionError& error) {
    fail(error.what(), kExitBadInput);
  }
  runAndReport(program, input, "");
}

}  // namespace

void addDemoCommand(CLI::App& app) {
  auto tool = std::make_shared<std::string>();
  auto variant = std::make_shared<std::string>();
  CLI::App* command = app.add_subcommand("demo", "Run TOOL on its layout's sample data and print the result");
  command->add_option("TOOL", *tool, "a tool with a named layout")->required();
  command->add_option("VARIANT", *variant, "another set of sample data (see korvena-host layouts)");
  command->callback([tool, variant] { demo(*tool, *variant); });
}

}  // namespace host::cli
