#include "loadentry/BlockSize.h"

#include <cstdint>

namespace loadentry {

bool holdsWholeBlock(const void* data, int dataSize) {
  if (data == nullptr || dataSize < static_cast<int>(sizeof(LoadBcInputBlock))) return false;
  const auto& block = *static_cast<const LoadBcInputBlock*>(data);
  if (block.functionKind == kNoFunction) return true;
  if (block.functionCount < 0) return false;
  const std::int64_t needed = static_cast<std::int64_t>(kFunctionEntriesOffset) +
                              static_cast<std::int64_t>(kFunctionEntrySize) * block.functionCount;
  return needed <= dataSize;
}

const char* functionEntry(const LoadBcInputBlock& block, int i) {
  return reinterpret_cast<const char*>(&block) + kFunctionEntriesOffset +
         kFunctionEntrySize * static_cast<std::size_t>(i);
}

}  // namespace loadentry
