#include "runtime/ipc/IpcSnapshot.h"

#include <cstring>

#include "runtime/array/RawMemory.h"
#include "runtime/array/TrackedMemory.h"
#include "runtime/ipc/Diagnostics.h"
#include "runtime/ipc/IpcKey.h"
#include "runtime/ipc/SharedMemory.h"

namespace {

// A new buffer of n bytes, or null with the messages written.
void* newBuffer(int bytes, int bank) {
  void* buffer = nullptr;
  if (bank == 0) {
    buffer = lyrRawMalloc(bytes > 0 ? static_cast<std::size_t>(bytes) : 1);
  } else {
    buffer = lyrMemAlloc(bank, bytes, 1);
    if (lyrMemFailed() != 0) lyrDiagnostics::allocationFailed(bytes);
  }
  if (buffer == nullptr) lyrDiagnostics::write(lyrDiagnostics::kIpcNoResources);
  return buffer;
}

}  // namespace

int lyrIpcSnapshot(int argc, const char* const* argv, void** buffer, int bank, int* copied) {
  void* data = nullptr;
  const int attached = lyrIpcAttachKey(argc, argv, &data);
  if (attached != 0) return attached;
  const int bytes = lyrShmSize(data);
  if (*buffer == nullptr) {
    void* made = newBuffer(bytes, bank);
    if (made == nullptr) {
      lyrIpcDetachKey(&data);
      return -1;
    }
    *buffer = made;
  }
  std::memcpy(*buffer, data, static_cast<std::size_t>(bytes));
  if (copied != nullptr) *copied = bytes;
  return lyrIpcDetachKey(&data);
}
