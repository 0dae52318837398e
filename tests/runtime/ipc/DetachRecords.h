// Detaches every record of the process's /TAG: list, the way a tool ends.
#pragma once

#include <vector>

#include "runtime/array/ExpandableArray.h"
#include "runtime/ipc/IpcTag.h"

// The number of records that would not detach (0 when all went, and the list with them).
inline int detachEveryRecord() {
  lyrIpcList list = nullptr;
  lyrIpcAttach(0, nullptr, &list);
  if (list == nullptr) return 0;
  // Copied first: detaching removes the record from the list, and the last one frees the list.
  std::vector<lyrIpcRecord*> records;
  for (int i = 0; i < lyrArrayCount(list); ++i) records.push_back(list[i]);
  int failed = 0;
  for (lyrIpcRecord* record : records) failed += lyrIpcDetach(&record) == 0 ? 0 : 1;
  return failed;
}
