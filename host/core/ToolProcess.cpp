#include "host/core/ToolProcess.h"

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>

extern char** environ;

namespace host {
namespace {

volatile std::sig_atomic_t gChild = 0;
volatile std::sig_atomic_t gInterruptedBy = 0;
volatile std::sig_atomic_t gInterruptCount = 0;

constexpr int kForwarded[] = {SIGINT, SIGTERM};
// The exit code of a child that could not become the tool (the shell's "cannot execute").
constexpr int kExecFailed = 127;

extern "C" void forwardInterrupt(int signal) {
  if (gInterruptedBy == 0) gInterruptedBy = signal;
  const int count = gInterruptCount;
  gInterruptCount = count + 1;
  if (gChild > 0) kill(static_cast<pid_t>(gChild), count == 0 ? signal : SIGKILL);
}

sigset_t forwardedSet() {
  sigset_t set;
  sigemptyset(&set);
  for (int signal : kForwarded) sigaddset(&set, signal);
  return set;
}

struct SavedSignals {
  sigset_t mask;
  struct sigaction actions[std::size(kForwarded)];
};
SavedSignals gSaved;

// The child's side between fork and exec: it dies with the host (a tool outliving a killed host
// would hold its blocks and its window open for nobody), takes the default handling of the
// forwarded signals with nothing blocked, and reports a failed exec through `report` (closed on
// exec). Only async-signal-safe calls here.
[[noreturn]] void becomeTool(pid_t host, const char* program, char* const* argv, bool stdoutToStderr,
                             int report) {
  if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != host) _exit(kExecFailed);
  struct sigaction defaultAction {};
  defaultAction.sa_handler = SIG_DFL;
  for (int signal : kForwarded) sigaction(signal, &defaultAction, nullptr);
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  if (stdoutToStderr) dup2(STDERR_FILENO, STDOUT_FILENO);
  execve(program, argv, environ);
  const int error = errno;
  [[maybe_unused]] const ssize_t written = write(report, &error, sizeof error);
  _exit(kExecFailed);
}

// Forks the tool; returns once it has exec'd, or throws ToolStartError with exec's reason.
pid_t startTool(const std::filesystem::path& program, char* const* argv, bool stdoutToStderr) {
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) {
    throw ToolStartError("cannot start " + program.string() + ": " + std::strerror(errno));
  }
  const pid_t host = getpid();
  const pid_t child = fork();
  if (child == 0) becomeTool(host, program.c_str(), argv, stdoutToStderr, report[1]);
  const int forkError = errno;
  close(report[1]);
  if (child < 0) {
    close(report[0]);
    throw ToolStartError("cannot start " + program.string() + ": " + std::strerror(forkError));
  }
  int execError = 0;
  ssize_t got;
  while ((got = read(report[0], &execError, sizeof execError)) < 0 && errno == EINTR) {
  }
  close(report[0]);
  if (got > 0) {
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    throw ToolStartError("cannot start " + program.string() + ": " + std::strerror(execError));
  }
  return child;
}

ToolOutcome outcomeOf(int status) {
  ToolOutcome outcome;
  outcome.exited = WIFEXITED(status);
  outcome.exitCode = outcome.exited ? WEXITSTATUS(status) : 0;
  outcome.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  return outcome;
}

// Waits for the tool to end. While `watch` asks for it (returns true), it is called every 20 ms
// until the tool has ended; then the wait blocks.
ToolOutcome waitFor(pid_t child, const std::function<bool()>& watch) {
  int status = 0;
  bool watching = static_cast<bool>(watch);
  for (;;) {
    if (watching) watching = watch();
    const pid_t ended = waitpid(child, &status, watching ? WNOHANG : 0);
    if (ended == child) return outcomeOf(status);
    if (ended < 0 && errno != EINTR) {
      throw ToolStartError(std::string("waiting for the tool failed: ") + std::strerror(errno));
    }
    if (ended == 0) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

}  // namespace

std::filesystem::path executableFolder() {
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::current_path() : self.parent_path();
}

std::filesystem::path resolveTool(const std::string& tool, const std::filesystem::path& binFolder) {
  if (tool.empty()) throw ToolStartError("no tool given");
  const std::filesystem::path program =
      tool.find('/') != std::string::npos ? std::filesystem::path(tool) : binFolder / tool;
  std::error_code error;
  if (!std::filesystem::is_regular_file(program, error)) {
    throw ToolStartError("tool \"" + tool + "\" not found: " + program.string() + " does not exist");
  }
  if (access(program.c_str(), X_OK) != 0) {
    throw ToolStartError("tool \"" + tool + "\" is not executable: " + program.string());
  }
  return program;
}

InterruptForwarding::InterruptForwarding() {
  gChild = 0;
  gInterruptedBy = 0;
  gInterruptCount = 0;
  const sigset_t set = forwardedSet();
  sigprocmask(SIG_BLOCK, &set, &gSaved.mask);
  struct sigaction action {};
  action.sa_handler = forwardInterrupt;
  sigemptyset(&action.sa_mask);
  for (std::size_t i = 0; i < std::size(kForwarded); ++i) {
    sigaction(kForwarded[i], &action, &gSaved.actions[i]);
  }
}

InterruptForwarding::~InterruptForwarding() {
  sigprocmask(SIG_SETMASK, &gSaved.mask, nullptr);
  for (std::size_t i = 0; i < std::size(kForwarded); ++i) {
    sigaction(kForwarded[i], &gSaved.actions[i], nullptr);
  }
  gChild = 0;
}

ToolOutcome InterruptForwarding::run(const std::filesystem::path& program,
                                     const std::vector<std::string>& words, bool stdoutToStderr,
                                     const std::function<bool()>& watch) {
  std::vector<std::string> arguments{program.string()};
  arguments.insert(arguments.end(), words.begin(), words.end());
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  const pid_t child = startTool(program, argv.data(), stdoutToStderr);
  gChild = child;
  const sigset_t set = forwardedSet();
  sigprocmask(SIG_UNBLOCK, &set, nullptr);
  ToolOutcome outcome = waitFor(child, watch);
  sigprocmask(SIG_BLOCK, &set, nullptr);
  gChild = 0;
  outcome.interruptedBy = gInterruptedBy;
  return outcome;
}

int InterruptForwarding::interruptedBy() const { return gInterruptedBy; }

std::string signalName(int signal) {
  const char* abbreviation = sigabbrev_np(signal);
  return abbreviation != nullptr ? std::string("SIG") + abbreviation : "signal " + std::to_string(signal);
}

}  // namespace host
