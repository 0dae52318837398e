// Test stand-in for the host's side of a block: creates the mapping, fills the header, and
// unmaps and unlinks it when it goes.
#pragma once

#include <cstddef>
#include <string>

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

 private:
  std::string key_;
  platform::MappingHandle mapping_ = platform::kNoMapping;
  void* view_ = nullptr;
};
