// What `run` and `demo` share: finding the tool's program, running it and writing the report.
#pragma once

#include <string>

#include "host/core/RunInput.h"
#include "host/layouts/NamedLayout.h"

namespace host::cli {

// The program for TOOL: a path when it holds '/', the layout's program when TOOL names a
// layout, else TOOL itself in the folder of korvena-host.
std::string programFor(const std::string& tool, const NamedLayout* layout);

// Refuses (exit code 2) a report file that cannot be written: a folder, a missing folder, no
// write permission. Checked before the tool starts, so that the user's work is not lost at the end.
void checkOutputFile(const std::string& outFile);

// Runs and writes the report to `outFile` (standard output when empty). Prints any failure to
// standard error as "korvena-host: ..." and throws CLI::RuntimeError with a non-zero exit code.
void runAndReport(const std::string& program, const RunInput& input, const std::string& outFile);

// Prints "korvena-host: <message>" and throws CLI::RuntimeError(code).
[[noreturn]] void fail(const std::string& message, int code);

}  // namespace host::cli
