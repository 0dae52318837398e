#include "runtime/skeleton/NumberText.h"

#include <cstdlib>

#include "platform/FormatText.h"

namespace skeleton {

std::string formatNumber(const char* format, double value) { return platform::formatText(format, value); }

double readNumber(const std::string& text) { return std::atof(text.c_str()); }

}  // namespace skeleton
