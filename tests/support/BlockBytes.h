// Bytes of a host block in model tests: writing some of them, and comparing all of them.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <vector>

#include "tests/support/HostBlock.h"

namespace testsupport {

// Copies n bytes into the block's data area at offset; throws when they do not fit.
inline void writeBytes(HostBlock& block, std::size_t offset, const void* source, std::size_t n) {
  const auto size = static_cast<std::size_t>(block.dataSize());
  if (offset > size || n > size - offset) throw std::logic_error("the bytes do not fit the block");
  std::memcpy(block.data() + offset, source, n);
}

// The two byte strings are equal; otherwise says their sizes or the first offset they differ at.
inline ::testing::AssertionResult sameBytes(const std::vector<unsigned char>& actual,
                                            const std::vector<unsigned char>& expected) {
  if (actual.size() != expected.size()) {
    return ::testing::AssertionFailure()
           << actual.size() << " bytes where " << expected.size() << " were expected";
  }
  for (std::size_t i = 0; i < actual.size(); ++i) {
    if (actual[i] != expected[i]) {
      return ::testing::AssertionFailure()
             << "byte " << i << " is " << int{actual[i]} << " where " << int{expected[i]} << " was expected";
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace testsupport
