// Test stand-in for the host's side of a block: creates the mapping, fills the header, and
// unmaps and unlinks it when it goes.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Mapping.h"
#include "runtime/ipc/SharedMemory.h"

// A key no other test process uses: stem + process id + a running number.
std::string uniqueKey(const std::string& stem);

class HostBlock {
 public:
  // A block whose data area has dataSize bytes; mappedSize overrides the object's size.
  explicit HostBlock(int dataSize, int startCount = 0, std::string key = uniqueKey("kvrt"),
                     std::size_t mappedSize = 0);
  ~HostBlock();
  HostBlock(const HostBlock&) = delete;
  HostBlock& operator=(const HostBlock&) = delete;

  const std::string& key() const { return key_; }
  lyrShmHeader& header() { return *static_cast<lyrShmHeader*>(view_); }
  char* data() { return static_cast<char*>(view_) + sizeof(lyrShmHeader); }
  int dataSize() const { return dataSize_; }

  // Sets every byte of the data area, so that a stray write shows (fill and snapshot need a
  // mapping that holds the whole data area).
  void fill(unsigned char byte);
  // A copy of the data area.
  std::vector<unsigned char> snapshot();
  // The data area as a tool's layout; the first `needed` bytes of it must be in the block.
  template <class Layout>
  Layout& layout(std::size_t needed = sizeof(Layout)) {
    if (static_cast<std::size_t>(dataSize_) < needed) {
      throw std::logic_error("the block is too short for its layout");
    }
    return *reinterpret_cast<Layout*>(data());
  }

 private:
  std::string key_;
  int dataSize_;
  platform::MappingHandle mapping_ = platform::kNoMapping;
  void* view_ = nullptr;
};
