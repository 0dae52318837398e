#include "runtime/skeleton/TagBlocks.h"

#include <algorithm>
#include <cstring>

#include "runtime/array/ExpandableArray.h"

namespace skeleton {
namespace {

// A block that will not detach is given up: the tool ends soon after, and the host reads the
// block once it has.
void release(lyrIpcRecord* record) {
  if (record != nullptr) lyrIpcDetach(&record);
}

int listedCount() {
  lyrIpcList list = nullptr;
  lyrIpcAttach(0, nullptr, &list);
  return lyrArrayCount(list);
}

}  // namespace

TagBlocks::~TagBlocks() { detachAll(); }

bool TagBlocks::attach(int argc, const char* const* argv, std::initializer_list<const char*> tags) {
  detachAll();
  // The record list is the process's; only what this call adds to it is ours.
  const int before = listedCount();
  lyrIpcList list = nullptr;
  const int status = lyrIpcAttach(argc, argv, &list);
  // A failed attach does not hand the list over, but what it attached before failing is listed.
  if (status != 0) lyrIpcAttach(0, nullptr, &list);
  const int after = lyrArrayCount(list);
  std::vector<lyrIpcRecord*> ours(list + std::min(before, after), list + after);

  for (lyrIpcRecord* record : ours) {
    const bool wanted = std::any_of(tags.begin(), tags.end(),
                                    [&](const char* tag) { return std::strcmp(record->tag, tag) == 0; });
    if (wanted && record->data != nullptr && find(record->tag) == nullptr) {
      kept_.push_back({record->tag, record});
    } else {
      release(record);
    }
  }
  const bool complete =
      std::all_of(tags.begin(), tags.end(), [&](const char* tag) { return find(tag) != nullptr; });
  if (status != 0 || !complete) {
    detachAll();
    return false;
  }
  // Kept in the order of `tags`, which is the order detachAll lets them go.
  std::vector<Kept> ordered;
  for (const char* tag : tags) ordered.push_back(*find(tag));
  kept_ = std::move(ordered);
  return true;
}

const TagBlocks::Kept* TagBlocks::find(const char* tag) const {
  for (const Kept& kept : kept_) {
    if (kept.tag == tag) return &kept;
  }
  return nullptr;
}

void* TagBlocks::data(const char* tag) const {
  const Kept* kept = find(tag);
  return kept == nullptr ? nullptr : lyrIpcData(kept->record);
}

int TagBlocks::size(const char* tag) const {
  const Kept* kept = find(tag);
  return kept == nullptr ? 0 : kept->record->size;
}

void TagBlocks::detach(const char* tag) {
  const auto at = std::find_if(kept_.begin(), kept_.end(), [&](const Kept& kept) { return kept.tag == tag; });
  if (at == kept_.end()) return;
  lyrIpcRecord* record = at->record;
  kept_.erase(at);
  release(record);
}

void TagBlocks::detachAll() {
  std::vector<Kept> going;
  going.swap(kept_);
  for (const Kept& kept : going) release(kept.record);
}

}  // namespace skeleton
