// printf-style formatting into a std::string: the one place that calls the printf family.
#pragma once

#include <string>

namespace platform {

// The text of the printf conversions: formatText("%d. Value of 'dt' (%10.4e)", 1, span). Never cut.
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace platform
