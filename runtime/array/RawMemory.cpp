#include "runtime/array/RawMemory.h"

#include <cstdlib>

#include "runtime/array/InjectedFailures.h"

void* lyrRawMalloc(std::size_t bytes) {
  return lyrTesting::rawAllocationFails() ? nullptr : std::malloc(bytes);
}

void* lyrRawCalloc(std::size_t bytes) {
  return lyrTesting::rawAllocationFails() ? nullptr : std::calloc(1, bytes);
}

void* lyrRawRealloc(void* block, std::size_t bytes) {
  return lyrTesting::rawAllocationFails() ? nullptr : std::realloc(block, bytes);
}
