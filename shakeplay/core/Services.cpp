#include "shakeplay/core/Services.h"

#include <cstdio>

namespace shakeplay {

void ConsoleServices::messageBox(const std::string& text, const std::string& caption, MessageIcon) {
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

void ConsoleServices::printOut(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  std::fflush(stdout);
}

}  // namespace shakeplay
