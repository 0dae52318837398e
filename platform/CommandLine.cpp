#include "platform/CommandLine.h"

namespace platform {
namespace {
std::string& storedLine() {
  static std::string line;
  return line;
}
std::vector<std::string>& storedWords() {
  static std::vector<std::string> words;
  return words;
}
}  // namespace

void setCommandLine(const std::vector<std::string>& words) {
  std::string line;
  for (const std::string& word : words) {
    if (!line.empty()) line += ' ';
    line += word;
  }
  storedLine() = line;
  storedWords() = words;
}

void setCommandLine(int argc, const char* const* argv) {
  std::vector<std::string> words;
  for (int i = 0; i < argc; ++i) words.emplace_back(argv[i]);
  setCommandLine(words);
}

const std::string& commandLine() { return storedLine(); }

const std::vector<std::string>& commandWords() { return storedWords(); }

}  // namespace platform
