// Finding a tool, starting it with its launch words and waiting for it, with SIGINT and SIGTERM
// passed on to it so that the host can still clean up after an interruption.
#pragma once

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace host {

// The tool could not be found or started; nothing ran.
class ToolStartError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The folder of the running executable (the tools are built beside korvena-host).
std::filesystem::path executableFolder();

// A tool name is looked up in `binFolder`; a name containing '/' is a path. Throws
// ToolStartError when there is no executable file there.
std::filesystem::path resolveTool(const std::string& tool, const std::filesystem::path& binFolder);

struct ToolOutcome {
  bool exited = false;  // ended by exit(): exitCode holds its code
  int exitCode = 0;
  int signal = 0;         // ended by this signal when !exited
  int interruptedBy = 0;  // the signal that interrupted the host while the tool ran, or 0
};

// Holds SIGINT and SIGTERM back from construction until a tool has been started; from then on
// until destruction they are sent on to the tool (a repeated one as SIGKILL). Restores the
// previous handlers and signal mask on destruction. One at a time.
class InterruptForwarding {
 public:
  InterruptForwarding();
  ~InterruptForwarding();
  InterruptForwarding(const InterruptForwarding&) = delete;
  InterruptForwarding& operator=(const InterruptForwarding&) = delete;

  // Starts `program` with `words` (argv[0] is the program path), lets held-back signals reach
  // it and waits for it to end. The tool ends with the host's process: it is killed when the
  // host dies. Its standard output goes to the host's standard error when `stdoutToStderr`.
  // While `watch` returns true it is called every 20 ms as the tool runs. Throws
  // ToolStartError when the tool cannot be started.
  ToolOutcome run(const std::filesystem::path& program, const std::vector<std::string>& words,
                  bool stdoutToStderr, const std::function<bool()>& watch = {});

  // The signal that interrupted the host, 0 if none did.
  int interruptedBy() const;
};

// "SIGSEGV" for 11.
std::string signalName(int signal);

}  // namespace host
