#include "shakeplay/core/Records.h"

#include <sys/mman.h>

#include <cstdlib>

namespace shakeplay {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

bool isLarge(std::size_t bytes) { return bytes >= kHugePage; }

}  // namespace

void* allocateBlock(std::size_t bytes) {
  if (bytes == 0) return nullptr;
  if (!isLarge(bytes)) {
    void* block = std::malloc(bytes);
    if (block == nullptr) throw std::bad_alloc();
    return block;
  }
  void* block = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (block == MAP_FAILED) throw std::bad_alloc();
  ::madvise(block, bytes, MADV_HUGEPAGE);
  return block;
}

void releaseBlock(void* block, std::size_t bytes) {
  if (block == nullptr) return;
  if (isLarge(bytes)) {
    ::munmap(block, bytes);
  } else {
    std::free(block);
  }
}

}  // namespace shakeplay
