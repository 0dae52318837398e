#include "host/cli/CommandSupport.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "host/core/HostBlocks.h"
#include "host/core/ToolRun.h"

namespace host::cli {
namespace {

std::string dump(const Json& report) {
  // Text fields may hold any bytes; invalid UTF-8 is replaced rather than refused.
  return report.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace

std::string programFor(const std::string& tool, const NamedLayout* layout) {
  if (tool.find('/') != std::string::npos) return tool;
  return layout != nullptr && layout->tool == tool ? layout->program : tool;
}

void fail(const std::string& message, int code) {
  std::cerr << "korvena-host: " << message << "\n";
  throw CLI::RuntimeError(code);
}

void checkOutputFile(const std::string& outFile) {
  if (outFile.empty()) return;
  namespace fs = std::filesystem;
  const fs::path path(outFile);
  std::error_code ignored;
  if (fs::is_directory(path, ignored)) fail("cannot write " + outFile + ": it is a folder", kExitBadInput);
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  if (!fs::is_directory(folder, ignored)) {
    fail("cannot write " + outFile + ": there is no folder " + folder.string(), kExitBadInput);
  }
  const fs::path& written = fs::exists(path, ignored) ? path : folder;
  if (::access(written.c_str(), W_OK) != 0) {
    fail("cannot write " + outFile + ": " + std::strerror(errno), kExitBadInput);
  }
}

void runAndReport(const std::string& program, const RunInput& input, const std::string& outFile) {
  RunResult result;
  try {
    const auto path = resolveTool(program, executableFolder());
    RunOptions options;
    options.fieldsByName = input.fieldsByName;
    options.stdoutToStderr = outFile.empty();
    result = runTool(input.description, path, options);
  } catch (const ToolStartError& error) {
    fail(error.what(), kExitToolNotStarted);
  } catch (const HostError& error) {
    fail(error.what(), kExitHostFailed);
  }
  if (outFile.empty()) {
    std::cout << dump(result.report) << std::flush;
  } else {
    std::ofstream stream(outFile);
    stream << dump(result.report);
    if (!stream.flush()) fail("cannot write " + outFile, kExitHostFailed);
  }
  if (result.exitCode != 0) throw CLI::RuntimeError(result.exitCode);
}

}  // namespace host::cli
