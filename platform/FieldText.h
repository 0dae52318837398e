// Texts in fixed-width fields of a block or a record. The writer ends them with a zero byte, but a
// field that is full to its last byte has none: reading stops at the field's width whatever it holds.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

// The characters of a field of `width` bytes up to its first zero byte, or all of them when it
// has none.
std::string fieldText(const char* field, std::size_t width);

template <std::size_t N>
std::string fieldText(const char (&field)[N]) {
  return fieldText(field, N);
}

}  // namespace platform
