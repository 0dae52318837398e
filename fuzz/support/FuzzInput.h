// How a harness reads its input: the first byte chooses the ways out of the dialog, the rest
// is the block, or, for a tool of two blocks, two bytes giving the size of the first (cut to
// what follows), its bytes, and the second block's bytes to the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace fuzzsupport {

struct OneBlockInput {
  std::uint8_t ways;
  std::span<const std::uint8_t> block;
};

struct TwoBlockInput {
  std::uint8_t ways;
  std::span<const std::uint8_t> first;
  std::span<const std::uint8_t> second;
};

inline std::optional<OneBlockInput> oneBlock(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return std::nullopt;
  return OneBlockInput{data[0], {data + 1, size - 1}};
}

inline std::optional<TwoBlockInput> twoBlocks(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kPrefix = 3;
  if (size < kPrefix) return std::nullopt;
  const std::size_t rest = size - kPrefix;
  std::size_t firstSize = data[1] | std::size_t{data[2]} << 8;
  if (firstSize > rest) firstSize = rest;
  return TwoBlockInput{data[0], {data + kPrefix, firstSize}, {data + kPrefix + firstSize, rest - firstSize}};
}

}  // namespace fuzzsupport
