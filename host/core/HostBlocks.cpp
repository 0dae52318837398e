#include "host/core/HostBlocks.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "platform/FormatText.h"
#include "platform/Mapping.h"

namespace host {

HostBlocks::HostBlocks(const Description& description, const std::string& keyPrefix)
    : description_(description) {
  try {
    for (std::size_t i = 0; i < description.blocks.size(); ++i) {
      const BlockSpec& block = description.blocks[i];
      const std::string key = keyPrefix + "n" + std::to_string(i);
      const auto size = kHeaderSize + static_cast<std::size_t>(block.dataSize);
      const int handle = platform::createMapping(key, size);
      if (handle == platform::kNoMapping) {
        throw HostError("cannot create shared memory " + platform::mappingName(key) + ": " +
                        std::strerror(errno));
      }
      keys_.push_back(key);
      linked_.push_back(true);
      void* view = platform::mapView(handle);
      if (view == nullptr) {
        platform::closeMapping(handle);
        throw HostError("cannot map shared memory " + platform::mappingName(key));
      }
      mappings_.push_back({handle, view, size});
      writeBlock({static_cast<std::byte*>(view), size}, block);
    }
  } catch (...) {
    release();
    throw;
  }
}

HostBlocks::~HostBlocks() { release(); }

void HostBlocks::release() {
  for (const Mapping& mapping : mappings_) {
    platform::unmapView(mapping.view);
    platform::closeMapping(mapping.handle);
  }
  mappings_.clear();
  for (std::size_t i = 0; i < keys_.size(); ++i) {
    if (linked_[i]) platform::unlinkMapping(keys_[i]);
  }
  keys_.clear();
  linked_.clear();
}

bool HostBlocks::unlinkAttached() {
  bool waiting = false;
  for (std::size_t i = 0; i < mappings_.size(); ++i) {
    if (!linked_[i]) continue;
    const BlockHeader now = header(i);
    if (now.attachCount != 0 || now.attachedMark != 0) {
      platform::unlinkMapping(keys_[i]);
      linked_[i] = false;
    } else {
      waiting = true;
    }
  }
  return waiting;
}

BlockHeader HostBlocks::header(std::size_t index) const {
  const Mapping& mapping = mappings_.at(index);
  return readHeader({static_cast<const std::byte*>(mapping.view), mapping.size});
}

BlockSpec HostBlocks::readBack(std::size_t index) const {
  const Mapping& mapping = mappings_.at(index);
  return readFields({static_cast<const std::byte*>(mapping.view), mapping.size},
                    description_.blocks.at(index));
}

std::string defaultKeyPrefix() {
  std::random_device random;
  return "KvHost" + std::to_string(getpid()) + "r" +
         platform::formatText("%08x", static_cast<unsigned>(random()));
}

}  // namespace host
