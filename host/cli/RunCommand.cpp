#include <filesystem>
#include <memory>

#include "host/cli/CommandSupport.h"
#include "host/cli/Commands.h"
#include "host/core/ToolRun.h"
#include "host/layouts/Layouts.h"

namespace host::cli {
namespace {

struct RunOptionsText {
  std::string tool;
  std::string in;
  std::string out;
  std::string layout;
};

void run(const RunOptionsText& options) {
  const std::string lookup =
      options.layout.empty() ? std::filesystem::path(options.tool).filename().string() : options.layout;
  const NamedLayout* layout = findLayout(lookup);
  if (!options.layout.empty() && layout == nullptr) {
    fail("no named layout \"" + options.layout + "\"", kExitBadInput);
  }
  RunInput input;
  try {
    input = interpretInput(readJsonFile(options.in), layout, options.tool);
  } catch (const DescriptionError& error) {
    fail(options.in + ": " + error.what(), kExitBadInput);
  }
  checkOutputFile(options.out);
  runAndReport(programFor(options.tool, layout), input, options.out);
}

}  // namespace

void addRunCommand(CLI::App& app) {
  auto options = std::make_shared<RunOptionsText>();
  CLI::App* command = app.add_subcommand(
      "run", "Create the blocks described in the input, run TOOL on them, print the blocks after");
  command->add_option("TOOL", options->tool, "tool name (in korvena-host's folder) or path")->required();
  command->add_option("--in", options->in, "raw description or values by name (JSON)")->required();
  command->add_option("--out", options->out, "write the report here instead of standard output");
  command->add_option("--layout", options->layout,
                      "named layout to use when TOOL's file name is not the layout's");
  command->callback([options] { run(*options); });
}

}  // namespace host::cli
