// Failures that tests inject into the runtime's memory layer, so that every failure path of
// the layers above it (and every message they write) can be exercised.
#pragma once

namespace lyrTesting {

// Lets `skip` raw heap allocations succeed, then makes the following `count` fail.
void failRawAllocations(int skip, int count = 1);

// Makes the next `count` calls of lyrArrayRemove refuse their work.
void failArrayRemovals(int count = 1);

// Forgets every pending injected failure.
void clearInjectedFailures();

// Asked by the memory layer before each raw allocation and each removal: true means fail this one.
bool rawAllocationFails();
bool arrayRemovalFails();

}  // namespace lyrTesting
