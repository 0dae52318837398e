#include "host/core/ToolProcess.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

extern char** environ;

namespace host {
namespace {

volatile std::sig_atomic_t gChild = 0;
volatile std::sig_atomic_t gInterruptedBy = 0;
volatile std::sig_atomic_t gInterruptCount = 0;

constexpr int kForwarded[] = {SIGINT, SIGTERM};

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

// posix_spawn's attributes and file actions, released on every path.
class SpawnSetup {
 public:
  explicit SpawnSetup(bool stdoutToStderr) {
    posix_spawnattr_init(&attributes_);
    posix_spawn_file_actions_init(&actions_);
    sigset_t none;
    sigemptyset(&none);
    const sigset_t defaults = forwardedSet();
    posix_spawnattr_setsigmask(&attributes_, &none);
    posix_spawnattr_setsigdefault(&attributes_, &defaults);
    posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    if (stdoutToStderr) posix_spawn_file_actions_adddup2(&actions_, STDERR_FILENO, STDOUT_FILENO);
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions_);
    posix_spawnattr_destroy(&attributes_);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;

  const posix_spawnattr_t* attributes() const { return &attributes_; }
  const posix_spawn_file_actions_t* actions() const { return &actions_; }

 private:
  posix_spawnattr_t attributes_;
  posix_spawn_file_actions_t actions_;
};

ToolOutcome waitFor(pid_t child) {
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR)
      throw ToolStartError(std::string("waiting for the tool failed: ") + std::strerror(errno));
  }
  ToolOutcome outcome;
  outcome.exited = WIFEXITED(status);
  outcome.exitCode = outcome.exited ? WEXITSTATUS(status) : 0;
  outcome.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  return outcome;
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
                                     const std::vector<std::string>& words, bool stdoutToStderr) {
  std::vector<std::string> arguments{program.string()};
  arguments.insert(arguments.end(), words.begin(), words.end());
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  const SpawnSetup setup(stdoutToStderr);
  pid_t child = 0;
  const int error =
      posix_spawn(&child, program.c_str(), setup.actions(), setup.attributes(), argv.data(), environ);
  if (error != 0) {
    throw ToolStartError("cannot start " + program.string() + ": " + std::strerror(error));
  }
  gChild = child;
  const sigset_t set = forwardedSet();
  sigprocmask(SIG_UNBLOCK, &set, nullptr);
  ToolOutcome outcome = waitFor(child);
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
