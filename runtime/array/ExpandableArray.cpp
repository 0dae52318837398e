#include "runtime/array/ExpandableArray.h"

#include <climits>
#include <cstdint>
#include <cstring>

#include "runtime/array/InjectedFailures.h"
#include "runtime/array/TrackedMemory.h"

namespace {

struct ArrayHeader {
  std::int32_t blockId;
  std::int32_t count;
  std::int32_t capacity;
  std::int32_t growBy;
  std::int32_t itemSize;
  std::int32_t headerSize;
};
static_assert(sizeof(ArrayHeader) == 24);

constexpr int kHeaderWords = static_cast<int>(sizeof(ArrayHeader));

ArrayHeader* headerOf(void* array) {
  return reinterpret_cast<ArrayHeader*>(static_cast<char*>(array) - kHeaderWords);
}

const ArrayHeader* headerOf(const void* array) {
  return reinterpret_cast<const ArrayHeader*>(static_cast<const char*>(array) - kHeaderWords);
}

char* blockOf(void* array) { return static_cast<char*>(array) - headerOf(array)->headerSize; }

char* itemAt(void* array, int index) {
  return static_cast<char*>(array) + static_cast<std::size_t>(index) * headerOf(array)->itemSize;
}

int headerSizeFor(int itemSize) {
  if (itemSize <= 4 || itemSize % 4 != 0) return kHeaderWords;
  return (kHeaderWords + itemSize - 1) / itemSize * itemSize;
}

// Items of the block: those the header area takes, then the capacity. -1 beyond the int range.
int blockItems(int headerSize, int itemSize, std::int64_t capacity) {
  const std::int64_t items = (headerSize + itemSize - 1) / itemSize + capacity;
  return items > INT_MAX ? -1 : static_cast<int>(items);
}

// True when the block filed under the array's id is this very block, so it can go by its id.
bool filedUnderOwnId(void* array) {
  const int id = headerOf(array)->blockId;
  void* filed = nullptr;
  return id > 0 && lyrMemLookup(id, &filed, nullptr) == 0 && filed == blockOf(array);
}

// Grows the block so that `needed` items fit; false (array unchanged) when that failed.
bool grow(void** array, std::int64_t needed) {
  const ArrayHeader header = *headerOf(*array);
  const std::int64_t steps = (needed - header.capacity + header.growBy - 1) / header.growBy;
  const std::int64_t capacity = header.capacity + steps * header.growBy;
  const int items = blockItems(header.headerSize, header.itemSize, capacity);
  if (items < 0) return false;
  void* block = filedUnderOwnId(*array) ? lyrMemReallocById(header.blockId, items, header.itemSize)
                                        : lyrMemRealloc(blockOf(*array), items, header.itemSize);
  if (lyrMemReallocFailed() != 0) return false;
  *array = static_cast<char*>(block) + header.headerSize;
  headerOf(*array)->capacity = static_cast<std::int32_t>(capacity);
  return true;
}

}  // namespace

int lyrArrayCreate(int initial, int itemSize, int growBy, int bank, void** array) {
  if (itemSize <= 0 || growBy <= 0 || array == nullptr) return 1;
  const std::int64_t capacity =
      initial <= 0 ? growBy : (static_cast<std::int64_t>(initial) + growBy - 1) / growBy * growBy;
  const int headerSize = headerSizeFor(itemSize);
  const int items = blockItems(headerSize, itemSize, capacity);
  if (items < 0) return 1;
  void* block = lyrMemAlloc(bank, items, itemSize);
  if (block == nullptr) return 1;
  *array = static_cast<char*>(block) + headerSize;
  *headerOf(*array) = ArrayHeader{
      lyrMemLastId(), initial > 0 ? initial : 0, static_cast<std::int32_t>(capacity), growBy, itemSize,
      headerSize};
  return 0;
}

int lyrArrayInsert(void** array, int index, int n, const void* source) {
  if (array == nullptr || *array == nullptr || n < 0) return 1;
  const int count = headerOf(*array)->count;
  const int position = index < 0 ? count : index;
  if (position > count) return 1;
  const std::int64_t needed = static_cast<std::int64_t>(count) + n;
  if (needed > headerOf(*array)->capacity && !grow(array, needed)) return 1;

  const std::size_t itemSize = static_cast<std::size_t>(headerOf(*array)->itemSize);
  if (position < count) {
    std::memmove(itemAt(*array, position + n), itemAt(*array, position),
                 static_cast<std::size_t>(count - position) * itemSize);
  }
  char* target = itemAt(*array, position);
  if (source != nullptr) {
    std::memmove(target, source, static_cast<std::size_t>(n) * itemSize);
  } else {
    std::memset(target, 0, static_cast<std::size_t>(n) * itemSize);
  }
  headerOf(*array)->count = count + n;
  return 0;
}

int lyrArrayRemove(void** array, int index, int n) {
  if (lyrTesting::arrayRemovalFails()) return 1;
  if (array == nullptr || *array == nullptr || n < 0) return 1;
  const int count = headerOf(*array)->count;
  if (n > count) return 1;
  const int first = index < 0 ? count - n : index;
  if (first > count - n) return 1;
  if (first + n < count) {
    std::memmove(itemAt(*array, first), itemAt(*array, first + n),
                 static_cast<std::size_t>(count - first - n) * headerOf(*array)->itemSize);
  }
  headerOf(*array)->count = count - n;
  return 0;
}

int lyrArrayCount(const void* array) { return array == nullptr ? 0 : headerOf(array)->count; }

int lyrArrayFree(void** array) {
  if (array == nullptr || *array == nullptr) return 0;
  if (filedUnderOwnId(*array)) {
    lyrMemFreeById(headerOf(*array)->blockId);
  } else {
    lyrMemFree(blockOf(*array));
  }
  *array = nullptr;
  return 0;
}
