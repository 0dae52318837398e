// The subcommands of korvena-host, one file each. A subcommand adds itself to the app with its
// options and a callback; to end with a non-zero exit code the callback throws
// CLI::RuntimeError(code) after printing its message to standard error.
#pragma once

#include <CLI/CLI.hpp>

namespace host::cli {

void addRunCommand(CLI::App& app);
void addDemoCommand(CLI::App& app);
void addLayoutsCommand(CLI::App& app);

}  // namespace host::cli
