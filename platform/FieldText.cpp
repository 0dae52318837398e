#include "platform/FieldText.h"

#include <cstring>

namespace platform {

std::string fieldText(const char* field, std::size_t width) {
  const void* end = std::memchr(field, '\0', width);
  return {field, end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : width};
}

}  // namespace platform
