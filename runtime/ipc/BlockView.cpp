#include "runtime/ipc/BlockView.h"

namespace lyrBlocks {

std::optional<BlockView> BlockView::over(const void* data, std::int64_t dataSize, std::size_t needed) {
  if (data == nullptr || dataSize < 0 || static_cast<std::uint64_t>(dataSize) < needed) {
    return std::nullopt;
  }
  return BlockView(static_cast<const unsigned char*>(data), dataSize, needed);
}

bool BlockView::holds(std::int64_t offset, std::int64_t width) const {
  return offset >= 0 && width >= 0 && offset <= size_ && width <= size_ - offset;
}

std::optional<std::string> BlockView::text(std::int64_t offset, std::int64_t width) const {
  if (!holds(offset, width)) return std::nullopt;
  return platform::fieldText(reinterpret_cast<const char*>(data_ + offset), static_cast<std::size_t>(width));
}

}  // namespace lyrBlocks
