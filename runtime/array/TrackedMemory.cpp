#include "runtime/array/TrackedMemory.h"

#include <climits>
#include <cstdint>
#include <cstdlib>

#include "runtime/array/RawMemory.h"

namespace {

struct BlockPrefix {
  std::int32_t id;
  std::int32_t bytes;
};
static_assert(sizeof(BlockPrefix) == 8);

constexpr int kTableStep = 512;

// The allocation table: two parallel tables indexed by id - 1.
void** blockAddresses = nullptr;
std::int32_t* blockBanks = nullptr;
int slotsInUse = 0;
int slotCapacity = 0;

int allocFailed = 0;
int reallocFailed = 0;

BlockPrefix* prefixOf(void* block) {
  return reinterpret_cast<BlockPrefix*>(static_cast<char*>(block) - sizeof(BlockPrefix));
}

void* userPart(void* raw) { return static_cast<char*>(raw) + sizeof(BlockPrefix); }

// Usable bytes of count items, or -1 when the request is negative or beyond the prefix's range.
std::int64_t usableBytes(int count, int itemSize) {
  if (count < 0 || itemSize < 0) return -1;
  const std::int64_t bytes = static_cast<std::int64_t>(count) * itemSize;
  return bytes > INT32_MAX - static_cast<std::int64_t>(sizeof(BlockPrefix)) ? -1 : bytes;
}

bool idInUse(int id) { return id >= 1 && id <= slotsInUse; }

// True when block is the live block filed under its own prefix id.
bool isLiveBlock(void* block) {
  const int id = prefixOf(block)->id;
  return idInUse(id) && blockAddresses[id - 1] == block;
}

bool growTable() {
  const auto capacity = static_cast<std::size_t>(slotCapacity) + kTableStep;
  void* addresses = lyrRawRealloc(blockAddresses, capacity * sizeof(void*));
  if (addresses == nullptr) return false;
  blockAddresses = static_cast<void**>(addresses);
  void* banks = lyrRawRealloc(blockBanks, capacity * sizeof(std::int32_t));
  if (banks == nullptr) return false;
  blockBanks = static_cast<std::int32_t*>(banks);
  slotCapacity = static_cast<int>(capacity);
  return true;
}

void trimEmptySlots() {
  while (slotsInUse > 0 && blockAddresses[slotsInUse - 1] == nullptr) --slotsInUse;
}

void releaseSlot(int id) {
  std::free(prefixOf(blockAddresses[id - 1]));
  blockAddresses[id - 1] = nullptr;
  if (id == slotsInUse) trimEmptySlots();
}

void* resizeFiled(int id, int count, int itemSize) {
  void* block = blockAddresses[id - 1];
  const std::int64_t bytes = usableBytes(count, itemSize);
  if (bytes < 0) return block;
  void* raw = lyrRawRealloc(prefixOf(block), static_cast<std::size_t>(bytes) + sizeof(BlockPrefix));
  if (raw == nullptr) return block;
  void* resized = userPart(raw);
  prefixOf(resized)->bytes = static_cast<std::int32_t>(bytes);
  blockAddresses[id - 1] = resized;
  reallocFailed = 0;
  return resized;
}

void* allocate(int bank, int count, int itemSize) {
  const std::int64_t bytes = usableBytes(count, itemSize);
  if (bank == 0 || bytes < 0) return nullptr;
  void* raw = lyrRawCalloc(static_cast<std::size_t>(bytes) + sizeof(BlockPrefix));
  if (raw == nullptr) return nullptr;
  void* block = userPart(raw);
  *prefixOf(block) = BlockPrefix{slotsInUse + 1, static_cast<std::int32_t>(bytes)};
  if (slotsInUse == slotCapacity && !growTable()) {
    std::free(raw);
    return nullptr;
  }
  blockAddresses[slotsInUse] = block;
  blockBanks[slotsInUse] = bank;
  ++slotsInUse;
  return block;
}

}  // namespace

void* lyrMemAlloc(int bank, int count, int itemSize) {
  void* block = allocate(bank, count, itemSize);
  allocFailed = block == nullptr ? 1 : 0;
  return block;
}

int lyrMemFailed() { return allocFailed; }

int lyrMemLastId() { return slotsInUse; }

void* lyrMemFree(void* block) {
  if (block != nullptr && isLiveBlock(block)) releaseSlot(prefixOf(block)->id);
  return nullptr;
}

void lyrMemFreeById(int id) {
  if (idInUse(id) && blockAddresses[id - 1] != nullptr) releaseSlot(id);
}

void* lyrMemRealloc(void* block, int count, int itemSize) {
  reallocFailed = 1;
  if (block == nullptr || !isLiveBlock(block)) return block;
  return resizeFiled(prefixOf(block)->id, count, itemSize);
}

void* lyrMemReallocById(int id, int count, int itemSize) {
  reallocFailed = 1;
  if (!idInUse(id) || blockAddresses[id - 1] == nullptr) return nullptr;
  return resizeFiled(id, count, itemSize);
}

int lyrMemReallocFailed() { return reallocFailed; }

int lyrMemLookup(int id, void** address, int* bank) {
  const bool known = idInUse(id);
  if (address != nullptr) *address = known ? blockAddresses[id - 1] : nullptr;
  if (bank != nullptr) *bank = known ? blockBanks[id - 1] : 0;
  return known ? 0 : 1;
}
