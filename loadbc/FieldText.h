// Texts in fixed-width fields of a block. The host ends them with a zero byte, but a field that
// is full to its last byte has none: reading stops at the field's width whatever it holds.
#pragma once

#include <cstddef>
#include <string>

namespace loadbc {

// The characters of the field up to its first zero byte, or all width of them when it has none.
std::string fieldText(const char* field, std::size_t width);

template <std::size_t N>
std::string fieldText(const char (&field)[N]) {
  return fieldText(field, N);
}

}  // namespace loadbc
