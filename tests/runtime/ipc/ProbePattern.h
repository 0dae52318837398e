// What korvena-ipc-probe writes into every data area it attaches: the int32 at offset 0 is the
// area's dataSize, and the bytes behind it hold kProbeText with its terminating 0, cut to fit.
// Nothing beyond the first 31 bytes of a data area is touched.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>

inline constexpr char kProbeText[] = "korvena-ipc-probe was here";
static_assert(sizeof(std::int32_t) + sizeof kProbeText == 31);

inline void writeProbePattern(void* data, int dataSize) {
  if (dataSize < static_cast<int>(sizeof(std::int32_t))) return;
  const std::int32_t size = dataSize;
  std::memcpy(data, &size, sizeof size);
  const std::size_t room = static_cast<std::size_t>(dataSize) - sizeof size;
  std::memcpy(static_cast<char*>(data) + sizeof size, kProbeText, std::min(room, sizeof kProbeText));
}

inline bool hasProbePattern(const void* data, int dataSize) {
  if (dataSize < static_cast<int>(sizeof(std::int32_t))) return false;
  std::int32_t size = 0;
  std::memcpy(&size, data, sizeof size);
  const std::size_t room = static_cast<std::size_t>(dataSize) - sizeof size;
  return size == dataSize && std::memcmp(static_cast<const char*>(data) + sizeof size, kProbeText,
                                         std::min(room, sizeof kProbeText)) == 0;
}
