#include "platform/ProgramInfo.h"

#include <cstdio>
#include <string>

namespace platform {

const char* projectVersion() { return KORVENA_VERSION; }

std::string versionLine(std::string_view program) {
  return std::string(program) + " (korvena-tools) " + projectVersion();
}

std::string toolUsage(std::string_view program, std::string_view launch, std::string_view purpose) {
  const std::string name(program);
  return "Usage: " + name + " " + std::string(launch) + "\n       " + name + " --help | --version\n\n" +
         name + " " + std::string(purpose) +
         ".\nThe analysis program starts it on the shared memory (KEY) it has prepared,\n"
         "and reads the memory back once the tool has ended.\n"
         "To try it on sample data: korvena-host demo " +
         name + "\n";
}

bool answerInfoRequest(int argc, const char* const* argv, std::string_view program, std::string_view usage) {
  if (argc != 2) return false;
  const std::string_view word = argv[1];
  std::string text;
  if (word == "--version") {
    text = versionLine(program) + "\n";
  } else if (word == "--help" && !usage.empty()) {
    text = usage;
  } else {
    return false;
  }
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
  return true;
}

}  // namespace platform
