#include "bcviewer/AnalysisOption.h"

#include <string_view>

namespace bcviewer {

int analysisOption(int argCount, const char* const* argv) {
  for (int i = 1; i <= argCount; ++i) {
    const std::string_view word = argv[i];
    if (word == "-stat") return kStatic;
    if (word == "-dyn") return kDynamic;
  }
  return kNoOption;
}

}  // namespace bcviewer
