// A block's data area as a tool reads it: its size is checked once, against the bytes of the
// layout the tool reads, when the view is made; every field is then read by offset and width,
// and nothing is ever read beyond the block's dataSize bytes. Texts in fixed-width fields end at
// their first zero byte, or at the field's width when they fill it to its last byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <type_traits>

#include "platform/FieldText.h"

namespace lyrBlocks {

class BlockView {
 public:
  // The view of the dataSize bytes at data when they hold at least `needed` bytes; nothing for a
  // null address, a negative size or a shorter area.
  static std::optional<BlockView> over(const void* data, std::int64_t dataSize, std::size_t needed);

  std::int64_t size() const { return size_; }

  // Whether the `width` bytes from `offset` lie within the data area; negative values never do.
  bool holds(std::int64_t offset, std::int64_t width) const;

  // The number (or record) stored at offset, or nothing when it does not lie within the area.
  template <class T>
  std::optional<T> field(std::int64_t offset) const {
    static_assert(std::is_trivially_copyable_v<T>);
    if (!holds(offset, sizeof(T))) return std::nullopt;
    T value;
    std::memcpy(&value, data_ + offset, sizeof(T));
    return value;
  }

  // The text of the field of `width` bytes at offset (see platform::fieldText), or nothing when the field
  // does not lie within the area.
  std::optional<std::string> text(std::int64_t offset, std::int64_t width) const;

  // The layout with the bytes the view was made for copied in, the rest of it zero.
  template <class Layout>
  Layout copy() const {
    static_assert(std::is_trivially_copyable_v<Layout>);
    Layout fields{};
    std::memcpy(&fields, data_, needed_ < sizeof(Layout) ? needed_ : sizeof(Layout));
    return fields;
  }

 private:
  BlockView(const unsigned char* data, std::int64_t size, std::size_t needed)
      : data_(data), size_(size), needed_(needed) {}

  const unsigned char* data_;
  std::int64_t size_;
  std::size_t needed_;
};

}  // namespace lyrBlocks
