#include "runtime/skeleton/NumberText.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace skeleton {
namespace {
std::string formatList(const char* format, std::va_list arguments) {
  std::va_list measure;
  va_copy(measure, arguments);
  const int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::vsnprintf(text.data(), text.size(), format, arguments);
  text.pop_back();
  return text;
}
}  // namespace

std::string formatText(const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  std::string text = formatList(format, arguments);
  va_end(arguments);
  return text;
}

std::string formatNumber(const char* format, double value) { return formatText(format, value); }

double readNumber(const std::string& text) { return std::atof(text.c_str()); }

}  // namespace skeleton
