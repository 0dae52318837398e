// Running korvena-host as a child process from the tests, and looking for its mappings.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace host::test {

std::filesystem::path binFolder();
std::filesystem::path hostProgram();
std::filesystem::path testChildProgram();

// A fresh folder for one test's files, removed with the object.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path file(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Whether a program of that name is on the PATH (ccx for the CalculiX runs).
bool onPath(const std::string& program);

void writeFile(const std::filesystem::path& file, const std::string& text);
std::string readFile(const std::filesystem::path& file);

// Starts `program` with `arguments`, its standard output and error going to the files.
pid_t startProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                   const std::filesystem::path& out, const std::filesystem::path& err);
// Starts korvena-host with `arguments`, its standard output and error going to the files.
pid_t startHost(const std::vector<std::string>& arguments, const std::filesystem::path& out,
                const std::filesystem::path& err);

// Waits for a child; its exit code, or 128 + the signal that ended it.
int waitForExit(pid_t child);

struct HostRun {
  int exitCode;
  pid_t pid;
  std::string out;
  std::string err;
};
HostRun runHost(const std::vector<std::string>& arguments, const TempFolder& folder);
// Runs `program` to its end, its output kept in the folder.
HostRun runProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                   const TempFolder& folder);

// The /dev/shm entries that a host process with this pid created ("KvHost<pid>r...").
std::vector<std::string> mappingsOf(pid_t hostPid);

}  // namespace host::test
