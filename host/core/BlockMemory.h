// The bytes of one block as the tools see them: the 16-byte header, then the data area.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "host/core/Description.h"
#include "host/core/DescriptionJson.h"

namespace host {

inline constexpr std::size_t kHeaderSize = 16;

struct BlockHeader {
  std::int32_t attachCount = 0;
  std::int32_t dataSize = 0;
  std::uint8_t attachedMark = 0;
  std::uint8_t reserved[7] = {};
};
static_assert(sizeof(BlockHeader) == kHeaderSize);

// Writes the header (attachCount 0, dataSize, attachedMark 0, reserved zero) and every field
// that has a value, in order, over memory that the caller has zeroed. `memory` holds header and
// data area; the block must have been validated.
void writeBlock(std::span<std::byte> memory, const BlockSpec& block);

BlockHeader readHeader(std::span<const std::byte> memory);

// The block with every field's value replaced by what the data area holds now.
BlockSpec readFields(std::span<const std::byte> memory, const BlockSpec& block);

Json headerToJson(const BlockHeader& header);

}  // namespace host
