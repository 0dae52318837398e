#include "platform/CommandLine.h"

namespace platform {
namespace {
std::string& storedLine() {
  static std::string line;
  return line;
}
}  // namespace

void setCommandLine(const std::vector<std::string>& words) {
  std::string line;
  for (const std::string& word : words) {
    if (!line.empty()) line += ' ';
    line += word;
  }
  storedLine() = line;
}

void setCommandLine(int argc, const char* const* argv) {
  std::vector<std::string> words;
  for (int i = 0; i < argc; ++i) words.emplace_back(argv[i]);
  setCommandLine(words);
}

const std::string& commandLine() { return storedLine(); }

}  // namespace platform
