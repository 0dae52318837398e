#include "shakeplay/core/CommandLine.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include "results/frd/FrdFile.h"

namespace shakeplay {
namespace {

constexpr std::size_t kLineBuffer = 255;

std::vector<std::string> splitAtBlanks(const std::string& line) {
  std::vector<std::string> words;
  std::size_t pos = 0;
  while (pos < line.size()) {
    while (pos < line.size() && line[pos] == ' ') ++pos;
    if (pos == line.size()) break;
    const std::size_t end = line.find(' ', pos);
    const std::size_t stop = end == std::string::npos ? line.size() : end;
    words.push_back(line.substr(pos, stop - pos));
    pos = stop;
  }
  return words;
}

// atoi's result without its undefined overflow: out-of-range numbers saturate.
int toInt(const std::string& word) {
  errno = 0;
  const long value = std::strtol(word.c_str(), nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace

ShakeplayRequest parseShakeplayCommandLine(const std::string& line) {
  const std::vector<std::string> words = splitAtBlanks(line.substr(0, kLineBuffer));
  ShakeplayRequest request;
  if (words.size() > 1) request.resultPath = words[1];
  if (words.size() > 2) request.component = toInt(words[2]);
  return request;
}

int wordsForWindowSystem(int argc, const char* const* argv) {
  return argc > kFirstFrdOption && host::results::isFrdFile(argv[1]) ? kFirstFrdOption : argc;
}

}  // namespace shakeplay
