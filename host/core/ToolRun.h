// One run of a tool on a description: blocks created and filled, the tool started with its
// launch words and waited for, the blocks read back into a report, the mappings unlinked.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "host/core/Description.h"
#include "host/core/DescriptionJson.h"
#include "host/core/ToolProcess.h"

namespace host {

// The host's exit codes.
inline constexpr int kExitToolFailed = 1;        // the tool exited with a non-zero code
inline constexpr int kExitBadInput = 2;          // bad command line, input file or description
inline constexpr int kExitHostFailed = 3;        // the host could not create its blocks or output
inline constexpr int kExitToolNotStarted = 127;  // the tool was not found or could not start
inline constexpr int kExitSignalBase = 128;      // + the signal that ended the tool or the host

// The tool's command-line words for blocks with the given keys: one /TAG:<tag>:<kind>:<key>
// per block, or one /SHMKEY:<key>; then the extra words.
std::vector<std::string> launchWords(const Description& description, const std::vector<std::string>& keys);

struct RunResult {
  Json report;
  int exitCode = 0;
};

struct RunOptions {
  bool fieldsByName = false;   // report fields as {name: value} (named layouts)
  bool stdoutToStderr = true;  // keep the tool's output off the host's standard output
  std::string keyPrefix;       // empty: defaultKeyPrefix()
};

// Throws HostError or ToolStartError when nothing could be run; the mappings are unlinked on
// every path, including a tool killed by a signal and an interrupted host.
RunResult runTool(const Description& description, const std::filesystem::path& program,
                  const RunOptions& options);

// 0 for a clean exit, kExitToolFailed, or kExitSignalBase + the signal.
int exitCodeFor(const ToolOutcome& outcome);

}  // namespace host
