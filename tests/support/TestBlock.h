// The host's side of one block for tool tests: a real mapping with the header filled and the
// data area set to a byte pattern (so that a stray write shows). The mapping is unlinked when
// the object goes.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/ipc/SharedMemory.h"

namespace testsupport {

// The byte every host-owned byte of a fresh block holds.
inline constexpr unsigned char kHostByte = 0xA5;

class TestBlock {
 public:
  // A data area of dataSize bytes under a key that begins with stem and is unique to the test.
  TestBlock(const std::string& stem, int dataSize);
  ~TestBlock();
  TestBlock(const TestBlock&) = delete;
  TestBlock& operator=(const TestBlock&) = delete;

  const std::string& key() const { return key_; }
  int dataSize() const { return dataSize_; }
  lyrShmHeader& header() { return *static_cast<lyrShmHeader*>(view_); }
  unsigned char* bytes() { return static_cast<unsigned char*>(view_) + sizeof(lyrShmHeader); }
  std::vector<unsigned char> snapshot() { return {bytes(), bytes() + dataSize_}; }

  // The data area as a tool's block; throws when it is shorter than minSize.
  template <class Block>
  Block& dataAs(std::size_t minSize = sizeof(Block)) {
    if (static_cast<std::size_t>(dataSize_) < minSize) {
      throw std::logic_error("the block is too short for its fields");
    }
    return *reinterpret_cast<Block*>(bytes());
  }

  // Copies n bytes into the data area at offset; throws when they do not fit.
  void write(std::size_t offset, const void* source, std::size_t n);

  // Makes the process command line that of a key tool started on this block: the program, the
  // /SHMKEY: word, then the extra words.
  void launchKeyTool(const std::string& program, const std::vector<std::string>& extra = {}) const;

 private:
  std::string key_;
  int dataSize_;
  int mapping_;
  void* view_ = nullptr;
};

// The two byte strings are equal; otherwise says their sizes or the first offset they differ at.
::testing::AssertionResult sameBytes(const std::vector<unsigned char>& actual,
                                     const std::vector<unsigned char>& expected);

}  // namespace testsupport
