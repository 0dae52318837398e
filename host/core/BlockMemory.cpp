#include "host/core/BlockMemory.h"

#include <bit>
#include <cstring>
#include <string>

#include "host/core/DescriptionJson.h"

namespace host {
namespace {

static_assert(std::endian::native == std::endian::little,
              "blocks hold little-endian integers; this host copies them as they are");

std::byte* dataAt(std::span<std::byte> memory, const FieldSpec& field) {
  return memory.data() + kHeaderSize + field.offset;
}

const std::byte* dataAt(std::span<const std::byte> memory, const FieldSpec& field) {
  return memory.data() + kHeaderSize + field.offset;
}

}  // namespace

void writeBlock(std::span<std::byte> memory, const BlockSpec& block) {
  BlockHeader header;
  header.dataSize = static_cast<std::int32_t>(block.dataSize);
  std::memcpy(memory.data(), &header, sizeof header);
  for (const FieldSpec& field : block.fields) {
    if (!field.value) continue;
    std::byte* target = dataAt(memory, field);
    std::visit(
        [&](const auto& value) {
          if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
            // Text and bytes fill the field from its start; the rest of the width is zeroed.
            std::memset(target, 0, static_cast<std::size_t>(field.width));
            std::memcpy(target, value.data(), value.size());
          } else {
            std::memcpy(target, &value, sizeof value);
          }
        },
        *field.value);
  }
}

BlockHeader readHeader(std::span<const std::byte> memory) {
  BlockHeader header;
  std::memcpy(&header, memory.data(), sizeof header);
  return header;
}

BlockSpec readFields(std::span<const std::byte> memory, const BlockSpec& block) {
  BlockSpec result = block;
  for (FieldSpec& field : result.fields) {
    const std::byte* source = dataAt(memory, field);
    switch (field.type) {
      case FieldType::Int32: {
        std::int32_t number = 0;
        std::memcpy(&number, source, sizeof number);
        field.value = number;
        break;
      }
      case FieldType::Double: {
        double real = 0;
        std::memcpy(&real, source, sizeof real);
        field.value = real;
        break;
      }
      case FieldType::Text:
      case FieldType::Bytes:
        field.value =
            std::string(reinterpret_cast<const char*>(source), static_cast<std::size_t>(field.width));
        break;
    }
  }
  return result;
}

Json headerToJson(const BlockHeader& header) {
  return {{"attachCount", header.attachCount},
          {"dataSize", header.dataSize},
          {"attachedMark", header.attachedMark},
          {"reserved",
           toHex(std::string(reinterpret_cast<const char*>(header.reserved), sizeof header.reserved))}};
}

}  // namespace host
