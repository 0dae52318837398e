#include "runtime/ipc/IpcKey.h"

#include "platform/Sleep.h"
#include "runtime/ipc/Diagnostics.h"
#include "runtime/ipc/LaunchArguments.h"
#include "runtime/ipc/SharedMemory.h"

namespace {
constexpr int kDetachDelayMilliseconds = 5;
}  // namespace

int lyrIpcAttachKey(int argc, const char* const* argv, void** data) {
  const char* key = findShmKey(argc, argv);
  if (key == nullptr) {
    lyrDiagnostics::write("lyrIpc: Can not attach shared memory. Key not found");
    return -4;
  }
  if (!keyFits(key)) return 3;
  void* attached = nullptr;
  if (lyrShmAttach(key, &attached) != 0) {
    lyrDiagnostics::write(lyrDiagnostics::kIpcCannotAttach);
    return 3;
  }
  *data = attached;
  return 0;
}

int lyrIpcDetachKey(void** data) {
  platform::sleepMilliseconds(kDetachDelayMilliseconds);
  if (data == nullptr || *data == nullptr) return 0;
  if (lyrShmDetach(data) != 0) {
    lyrDiagnostics::write(lyrDiagnostics::kIpcCannotDestroy);
    return 2;
  }
  return 0;
}
