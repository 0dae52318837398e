#include "tests/support/HostBlock.h"

#include <unistd.h>

#include <cstring>
#include <stdexcept>

std::string uniqueKey(const std::string& stem) {
  static int serial = 0;
  return stem + "-" + std::to_string(getpid()) + "-" + std::to_string(++serial);
}

HostBlock::HostBlock(int dataSize, int startCount, std::string key, std::size_t mappedSize)
    : key_(std::move(key)), dataSize_(dataSize) {
  const std::size_t size =
      mappedSize != 0 ? mappedSize : sizeof(lyrShmHeader) + static_cast<std::size_t>(dataSize);
  mapping_ = platform::createMapping(key_, size);
  if (mapping_ == platform::kNoMapping) throw std::runtime_error("cannot create " + key_);
  view_ = platform::mapView(mapping_);
  if (view_ == nullptr) throw std::runtime_error("cannot map " + key_);
  if (size >= sizeof(lyrShmHeader)) {
    header().attachCount = startCount;
    header().dataSize = dataSize;
  }
}

HostBlock::~HostBlock() {
  platform::unmapView(view_);
  platform::closeMapping(mapping_);
  platform::unlinkMapping(key_);
}

void HostBlock::fill(unsigned char byte) { std::memset(data(), byte, static_cast<std::size_t>(dataSize_)); }

std::vector<unsigned char> HostBlock::snapshot() {
  const auto* first = reinterpret_cast<const unsigned char*>(data());
  return {first, first + dataSize_};
}
