#include "runtime/ipc/IpcTag.h"

#include <cstring>

#include "runtime/array/ExpandableArray.h"
#include "runtime/array/TrackedMemory.h"
#include "runtime/ipc/Diagnostics.h"
#include "runtime/ipc/LaunchArguments.h"
#include "runtime/ipc/SharedMemory.h"

namespace {

constexpr int kRuntimeBank = 2;
constexpr int kListStep = 10;
// The sizes the messages have always reported, from the days of 4-byte addresses: one record,
// and ten list entries. Both are larger on a 64-bit machine.
constexpr int kReportedRecordBytes = 320;
constexpr int kReportedListBytes = 40;

lyrIpcList recordList = nullptr;

std::int32_t kindOf(const std::string& kind) {
  if (kind == "SM") return lyrIpcKindSM;
  if (kind == "FT") return lyrIpcKindFT;
  if (kind == "FB") return lyrIpcKindFB;
  return lyrIpcKindSM;
}

void releaseEmptyList() {
  if (lyrArrayCount(recordList) == 0) lyrArrayFree(&recordList);
}

// Undoes a record that could not be listed.
void discard(lyrIpcRecord* record) {
  if (record->data != nullptr) lyrShmDetach(&record->data);
  lyrMemFree(record);
}

int listRecord(lyrIpcRecord* record) {
  if (recordList == nullptr &&
      lyrArrayCreate(0, sizeof(lyrIpcRecord*), kListStep, kRuntimeBank, &recordList) != 0) {
    lyrDiagnostics::allocationFailed(kReportedListBytes);
    lyrDiagnostics::write(lyrDiagnostics::kIpcNoResources);
    discard(record);
    return -1;
  }
  if (lyrArrayInsert(&recordList, -1, 1, &record) != 0) {
    lyrDiagnostics::addFailed(1);
    lyrDiagnostics::write(lyrDiagnostics::kIpcNoResources);
    discard(record);
    releaseEmptyList();
    return -1;
  }
  return 0;
}

int attachArgument(const char* word) {
  const auto argument = parseTagArgument(word);
  if (!argument) {
    lyrDiagnostics::write("lyrIpc: Malformed /TAG: argument, expected /TAG:tag:kind:key\n");
    return 3;
  }
  if (!tagFits(argument->tag) || !keyFits(argument->key)) return 3;

  auto* record = static_cast<lyrIpcRecord*>(lyrMemAlloc(kRuntimeBank, 1, sizeof(lyrIpcRecord)));
  if (record == nullptr) {
    lyrDiagnostics::allocationFailed(kReportedRecordBytes);
    lyrDiagnostics::write(lyrDiagnostics::kIpcNoResources);
    return -1;
  }
  record->kind = kindOf(argument->kind);
  std::strcpy(record->tag, argument->tag.c_str());
  std::strcpy(record->key, argument->key.c_str());
  if (record->kind == lyrIpcKindSM) {
    if (lyrShmAttach(record->key, &record->data) != 0) {
      lyrMemFree(record);
      lyrDiagnostics::write(lyrDiagnostics::kIpcCannotAttach);
      return 3;
    }
    record->size = lyrShmSize(record->data);
  }
  return listRecord(record);
}

int indexInList(const lyrIpcRecord* record, int listed) {
  for (int i = 0; i < listed; ++i) {
    if (recordList[i] == record) return i;
  }
  return -1;
}

}  // namespace

int lyrIpcAttach(int argc, const char* const* argv, lyrIpcList* list) {
  for (int i = 0; i < argc; ++i) {
    if (argv[i] == nullptr || !isTagArgument(argv[i])) continue;
    const int result = attachArgument(argv[i]);
    if (result != 0) return result;
  }
  *list = recordList;
  return 0;
}

lyrIpcRecord* lyrIpcFind(lyrIpcList list, const char* tag) {
  if (tag == nullptr) return nullptr;
  for (int i = 0; i < lyrArrayCount(list); ++i) {
    if (std::strcmp(list[i]->tag, tag) == 0) return list[i];
  }
  return nullptr;
}

void* lyrIpcData(const lyrIpcRecord* record) { return record == nullptr ? nullptr : record->data; }

int lyrIpcDetach(lyrIpcRecord** record) {
  if (record == nullptr || *record == nullptr) return 0;
  lyrIpcRecord* detached = *record;
  if (detached->data != nullptr && lyrShmDetach(&detached->data) != 0) {
    lyrDiagnostics::write(lyrDiagnostics::kIpcCannotDestroy);
    return 2;
  }
  // Off the list before the record goes, so that the list never holds a released record;
  // should that fail, the record stays listed (its block detached) and a second call ends it.
  const int index = indexInList(detached, lyrArrayCount(recordList));
  if (index >= 0 && lyrArrayRemove(&recordList, index, 1) != 0) {
    lyrDiagnostics::removeFailed(1);
    lyrDiagnostics::write("lyrIpc: Can not deallocate memory.");
    return -1;
  }
  lyrMemFree(detached);
  *record = nullptr;
  releaseEmptyList();
  return 0;
}
