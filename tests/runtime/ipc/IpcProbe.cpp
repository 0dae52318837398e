// korvena-ipc-probe: attaches every /TAG: block and the /SHMKEY: block named on its command
// line, as the tools do, writes the probe pattern into each data area, detaches and exits 0.
// Any failure ends it with code 1 after a message on standard error, with whatever it could
// attach detached again.
#include <cstdio>
#include <cstring>

#include "runtime/array/ExpandableArray.h"
#include "runtime/ipc/IpcKey.h"
#include "runtime/ipc/IpcTag.h"
#include "runtime/ipc/SharedMemory.h"
#include "tests/runtime/ipc/DetachRecords.h"
#include "tests/runtime/ipc/ProbePattern.h"

namespace {

int fail(const char* what) {
  std::fprintf(stderr, "\nkorvena-ipc-probe: %s\n", what);
  return 1;
}

bool namesKeyedBlock(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strstr(argv[i], "/SHMKEY:") != nullptr) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  lyrIpcList list = nullptr;
  if (lyrIpcAttach(argc, argv, &list) != 0) {
    detachEveryRecord();
    return fail("attaching the /TAG: blocks failed");
  }
  void* keyed = nullptr;
  if (namesKeyedBlock(argc, argv) && lyrIpcAttachKey(argc, argv, &keyed) != 0) {
    detachEveryRecord();
    return fail("attaching the /SHMKEY: block failed");
  }
  if (list == nullptr && keyed == nullptr) return fail("no block named on the command line");

  for (int i = 0; i < lyrArrayCount(list); ++i) {
    const lyrIpcRecord* record = list[i];
    if (record->data != nullptr) writeProbePattern(record->data, record->size);
    std::printf("%s %s %d\n", record->tag, record->key, record->size);
  }
  if (keyed != nullptr) writeProbePattern(keyed, lyrShmSize(keyed));

  if (detachEveryRecord() != 0) return fail("detaching a /TAG: block failed");
  if (lyrIpcDetachKey(&keyed) != 0) return fail("detaching the /SHMKEY: block failed");
  return 0;
}
