#include "curveplot/CurveAttach.h"

#include <vector>

#include "runtime/array/ExpandableArray.h"
#include "runtime/ipc/IpcTag.h"

namespace curveplot {
namespace {

// The data area of the first record of the tag, when it is an attached shared-memory block.
BlockBytes bytesOf(lyrIpcList list, const char* tag) {
  const lyrIpcRecord* record = lyrIpcFind(list, tag);
  if (record == nullptr || record->kind != lyrIpcKindSM || record->data == nullptr ||
      record->size < 0) {
    return {};
  }
  return {record->data, static_cast<std::size_t>(record->size)};
}

}  // namespace

std::optional<CurveInput> readLaunchedCurve(int argc, const char* const* argv,
                                            std::size_t firstRecord) {
  lyrIpcList list = nullptr;
  const int status = lyrIpcAttach(argc, argv, &list);
  // A failed attach does not hand the list over; asking with no words gets what the arguments
  // before the failing one attached, so that those are let go too.
  if (status != 0) lyrIpcAttach(0, nullptr, &list);
  std::optional<CurveInput> curve;
  if (status == 0) {
    curve = readCurve(bytesOf(list, kCurveInfoTag), bytesOf(list, kCurveLineTag), firstRecord);
  }
  // A block that will not detach is given up: nothing of it is used any more.
  std::vector<lyrIpcRecord*> records(list, list + lyrArrayCount(list));
  for (lyrIpcRecord* record : records) lyrIpcDetach(&record);
  return curve;
}

}  // namespace curveplot
