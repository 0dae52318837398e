#include "runtime/skeleton/NumberText.h"

#include <cstdio>
#include <cstdlib>

namespace skeleton {

std::string formatNumber(const char* format, double value) {
  // Long enough for any double in these conversions ("%11.6e" of -DBL_MAX takes 14 characters,
  // "%e" conversions never print more than a sign, 1 + precision digits and a 3-digit exponent).
  char buffer[64];
  const int length = std::snprintf(buffer, sizeof buffer, format, value);
  if (length < 0) return {};
  return std::string(buffer, static_cast<std::size_t>(length) < sizeof buffer
                                 ? static_cast<std::size_t>(length)
                                 : sizeof buffer - 1);
}

double readNumber(const std::string& text) { return std::atof(text.c_str()); }

}  // namespace skeleton
