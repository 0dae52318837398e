#include "runtime/array/InjectedFailures.h"

namespace lyrTesting {
namespace {

int rawSkip = 0;
int rawFailures = 0;
int removalFailures = 0;

}  // namespace

void failRawAllocations(int skip, int count) {
  rawSkip = skip;
  rawFailures = count;
}

void failArrayRemovals(int count) { removalFailures = count; }

void clearInjectedFailures() {
  rawSkip = 0;
  rawFailures = 0;
  removalFailures = 0;
}

bool rawAllocationFails() {
  if (rawFailures <= 0) return false;
  if (rawSkip > 0) {
    --rawSkip;
    return false;
  }
  --rawFailures;
  return true;
}

bool arrayRemovalFails() {
  if (removalFailures <= 0) return false;
  --removalFailures;
  return true;
}

}  // namespace lyrTesting
