#include "tests/host/HostProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace host::test {

std::filesystem::path binFolder() {
  const char* folder = std::getenv("KORVENA_BIN_DIR");
  if (folder == nullptr) throw std::runtime_error("KORVENA_BIN_DIR is not set");
  return folder;
}

std::filesystem::path hostProgram() { return binFolder() / "korvena-host"; }

std::filesystem::path testChildProgram() { return KORVENA_HOST_TEST_CHILD; }

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "korvena-host-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

bool onPath(const std::string& program) {
  std::istringstream path(std::getenv("PATH") ? std::getenv("PATH") : "");
  for (std::string folder; std::getline(path, folder, ':');) {
    if (!folder.empty() && ::access((std::filesystem::path(folder) / program).c_str(), X_OK) == 0)
      return true;
  }
  return false;
}

void writeFile(const std::filesystem::path& file, const std::string& text) { std::ofstream(file) << text; }

std::string readFile(const std::filesystem::path& file) {
  std::ifstream stream(file);
  std::ostringstream text;
  text << stream.rdbuf();
  return text.str();
}

pid_t startProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                   const std::filesystem::path& out, const std::filesystem::path& err) {
  std::vector<std::string> words{program.string()};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t child = 0;
  const int error = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) throw std::runtime_error("cannot start " + program.string());
  return child;
}

pid_t startHost(const std::vector<std::string>& arguments, const std::filesystem::path& out,
                const std::filesystem::path& err) {
  return startProgram(hostProgram(), arguments, out, err);
}

int waitForExit(pid_t child) {
  int status = 0;
  if (waitpid(child, &status, 0) != child) throw std::runtime_error("waitpid failed");
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

HostRun runHost(const std::vector<std::string>& arguments, const TempFolder& folder) {
  return runProgram(hostProgram(), arguments, folder);
}

HostRun runProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                   const TempFolder& folder) {
  const auto out = folder.file("host.out");
  const auto err = folder.file("host.err");
  const pid_t pid = startProgram(program, arguments, out, err);
  const int exitCode = waitForExit(pid);
  return {exitCode, pid, readFile(out), readFile(err)};
}

std::vector<std::string> mappingsOf(pid_t hostPid) {
  const std::string prefix = "KvHost" + std::to_string(hostPid) + "r";
  std::vector<std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator("/dev/shm")) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(prefix, 0) == 0) found.push_back(name);
  }
  return found;
}

}  // namespace host::test
