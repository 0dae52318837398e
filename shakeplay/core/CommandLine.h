// The command line of shakeplay: "<program> <result file> <component>"; after a CalculiX .frd
// file in place of the result file, the options of the motion made of its modes.
#pragma once

#include <string>

#include "results/frd/FrdResultModel.h"

namespace shakeplay {

struct ShakeplayRequest {
  std::string resultPath{};           // empty when the word is missing
  int component = 0;                  // atoi of the third word; 0 when missing
  host::results::FrdAnimation frd{};  // when resultPath is a .frd file: the motion of its modes
};

// Words are separated by blanks only; the line is taken in a buffer of 255 characters.
ShakeplayRequest parseShakeplayCommandLine(const std::string& line);

// The word at which the options of a .frd file's motion begin: "shakeplay FILE.frd COMPONENT --mode 2".
inline constexpr int kFirstFrdOption = 3;
// How many of the program's words the window system may see: all of them, but none of a .frd
// file's options, which are shakeplay's own (Qt would take --title for a window title).
int wordsForWindowSystem(int argc, const char* const* argv);

}  // namespace shakeplay
