// The host's shared blocks for one run: created and filled before the tool starts, read back
// after it ended. Each name is unlinked as soon as the tool has attached the block (the host
// keeps its own mapping), so that a host killed later leaves nothing behind, and at the latest
// when this object goes, whatever happened in between.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "host/core/BlockMemory.h"
#include "host/core/Description.h"

namespace host {

// The host itself failed (a mapping could not be created or mapped).
class HostError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class HostBlocks {
 public:
  // Creates one mapping per block with the keys "<keyPrefix>n<index>" (mode 0600) and writes
  // header and fields. Throws HostError; the mappings made before the failure are unlinked.
  HostBlocks(const Description& description, const std::string& keyPrefix);
  ~HostBlocks();
  HostBlocks(const HostBlocks&) = delete;
  HostBlocks& operator=(const HostBlocks&) = delete;

  const std::vector<std::string>& keys() const { return keys_; }

  // Unlinks the name of every block the tool has attached (its header shows the attach); true
  // while some block is still waiting for the tool.
  bool unlinkAttached();

  BlockHeader header(std::size_t index) const;
  BlockSpec readBack(std::size_t index) const;

 private:
  struct Mapping {
    int handle;
    void* view;
    std::size_t size;
  };
  void release();

  const Description& description_;
  std::vector<std::string> keys_;
  std::vector<bool> linked_;  // per key: its name is still in /dev/shm
  std::vector<Mapping> mappings_;
};

// "KvHost<pid>r<8 hex digits>": unique among running hosts, and, by its random part, also among
// hosts of other PID namespaces that share /dev/shm and a pid.
std::string defaultKeyPrefix();

}  // namespace host
