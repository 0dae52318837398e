// korvena-host make-result: writes a sample result file for shakeplay.
#pragma once

#include <CLI/CLI.hpp>

namespace host::results {

void addMakeResultCommand(CLI::App& app);

}  // namespace host::results
