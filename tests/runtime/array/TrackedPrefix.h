// The tracked allocator's own record in front of a block: the id at -8, the usable size at -4.
#pragma once

#include <cstdint>
#include <cstring>

namespace lyrTesting {

inline std::int32_t prefixWord(const void* block, int offset) {
  std::int32_t word = 0;
  std::memcpy(&word, static_cast<const char*>(block) + offset, sizeof word);
  return word;
}

inline std::int32_t trackedSize(const void* block) { return prefixWord(block, -4); }

}  // namespace lyrTesting
