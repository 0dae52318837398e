// The analysis option of bcviewer's command line.
#pragma once

namespace bcviewer {

inline constexpr int kNoOption = -1;
inline constexpr int kStatic = 0;   // "-stat"
inline constexpr int kDynamic = 1;  // "-dyn"

// Scans words 1 to argCount (word 0 is the program): the first that is exactly "-stat" or
// "-dyn" decides; kNoOption when neither is there.
int analysisOption(int argCount, const char* const* argv);

}  // namespace bcviewer
