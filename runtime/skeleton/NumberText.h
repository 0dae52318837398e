// Numbers and messages as the dialogs show them: printf conversions out, atof back in.
#pragma once

#include <string>

namespace skeleton {

// value formatted with one printf conversion of a double ("%11.4e", "%7.2f", "%10.3e", ...).
std::string formatNumber(const char* format, double value);

// The standard atof reading: the leading number of the text, 0 for text that is not one.
double readNumber(const std::string& text);

}  // namespace skeleton
