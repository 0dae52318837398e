// The command line of shakeplay: "<program> <result file> <component>".
#pragma once

#include <string>

namespace shakeplay {

struct ShakeplayRequest {
  std::string resultPath{};  // empty when the word is missing
  int component = 0;         // atoi of the third word; 0 when missing
};

// Words are separated by blanks only; the line is taken in a buffer of 255 characters.
ShakeplayRequest parseShakeplayCommandLine(const std::string& line);

}  // namespace shakeplay
