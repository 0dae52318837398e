#include "runtime/ipc/Diagnostics.h"

#include <cstdio>

namespace lyrDiagnostics {

void write(const char* message) { std::fputs(message, stderr); }

void allocationFailed(int bytes) { std::fprintf(stderr, "KORVENA error allocating %d bytes.", bytes); }

void addFailed(int items) {
  std::fprintf(stderr, "KORVENA error adding %d items to expandable array.", items);
}

void removeFailed(int items) {
  std::fprintf(stderr, "KORVENA error removing %d items from expandable array.", items);
}

}  // namespace lyrDiagnostics
