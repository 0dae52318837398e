// The runtime's only way to the C heap. Every call can be made to fail from a test
// (runtime/array/InjectedFailures.h). Blocks are released with std::free.
#pragma once

#include <cstddef>

void* lyrRawMalloc(std::size_t bytes);
void* lyrRawCalloc(std::size_t bytes);
void* lyrRawRealloc(void* block, std::size_t bytes);
