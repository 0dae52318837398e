#include "runtime/ipc/SharedMemory.h"

#include <cstring>

#include "platform/Mapping.h"
#include "runtime/array/ExpandableArray.h"
#include "runtime/ipc/Diagnostics.h"

namespace {

struct RegistryEntry {
  char key[lyrShmMaxKeyLength + 1];
  platform::MappingHandle mapping;
  void* data;
};

constexpr int kRegistryStep = 5;
constexpr int kRuntimeBank = 2;
// Five entries of 48 bytes: the size the message has always reported, from the days of
// 4-byte handles and addresses; entries are larger on a 64-bit machine.
constexpr int kReportedRegistryBytes = 240;
constexpr const char* kCannotAllocate = "lyrSharedMemory: Can not allocate memory\n";

RegistryEntry* registry = nullptr;

// attachCount is the host's: whatever it holds, every attach adds one and every detach takes one
// away, wrapping as a 32-bit counter does, so that the host reads back the count it left.
void count(lyrShmHeader* header, std::int32_t change) {
  header->attachCount = static_cast<std::int32_t>(static_cast<std::uint32_t>(header->attachCount) +
                                                  static_cast<std::uint32_t>(change));
}

lyrShmHeader* headerOf(void* data) {
  return reinterpret_cast<lyrShmHeader*>(static_cast<char*>(data) - sizeof(lyrShmHeader));
}

void release(void* view, platform::MappingHandle mapping) {
  platform::unmapView(view);
  platform::closeMapping(mapping);
}

void releaseEmptyRegistry() {
  if (lyrArrayCount(registry) == 0) lyrArrayFree(&registry);
}

// Files an attached block; false (message written, nothing filed) when memory ran out.
bool file(const char* key, platform::MappingHandle mapping, void* data) {
  if (registry == nullptr &&
      lyrArrayCreate(0, sizeof(RegistryEntry), kRegistryStep, kRuntimeBank, &registry) != 0) {
    lyrDiagnostics::allocationFailed(kReportedRegistryBytes);
    lyrDiagnostics::write(kCannotAllocate);
    return false;
  }
  RegistryEntry entry{};
  std::strcpy(entry.key, key);
  entry.mapping = mapping;
  entry.data = data;
  if (lyrArrayInsert(&registry, -1, 1, &entry) != 0) {
    lyrDiagnostics::addFailed(1);
    lyrDiagnostics::write(kCannotAllocate);
    releaseEmptyRegistry();
    return false;
  }
  return true;
}

int indexOf(const void* data) {
  for (int i = 0; i < lyrArrayCount(registry); ++i) {
    if (registry[i].data == data) return i;
  }
  return -1;
}

}  // namespace

int lyrShmAttach(const char* key, void** data) {
  if (key == nullptr || std::strlen(key) > lyrShmMaxKeyLength) {
    lyrDiagnostics::write("lyrSharedMemory: Key longer than 39 characters\n");
    return lyrShmCannotOpen;
  }
  const platform::MappingHandle mapping = platform::openMapping(key);
  if (mapping == platform::kNoMapping) {
    lyrDiagnostics::write("lyrSharedMemory: Can not open file mapping for given key\n");
    return lyrShmCannotOpen;
  }
  std::size_t mapped = 0;
  void* view = platform::mapView(mapping, &mapped);
  if (view == nullptr) {
    platform::closeMapping(mapping);
    lyrDiagnostics::write("lyrSharedMemory: Can not attach shared memory segment\n");
    return lyrShmCannotMap;
  }
  auto* header = static_cast<lyrShmHeader*>(view);
  if (mapped < sizeof(lyrShmHeader) || header->dataSize < 0 ||
      static_cast<std::size_t>(header->dataSize) > mapped - sizeof(lyrShmHeader)) {
    release(view, mapping);
    lyrDiagnostics::write("lyrSharedMemory: Shared memory segment shorter than its header says\n");
    return lyrShmCannotMap;
  }
  void* dataArea = static_cast<char*>(view) + sizeof(lyrShmHeader);
  if (!file(key, mapping, dataArea)) {
    release(view, mapping);
    return -1;
  }
  count(header, 1);
  header->attachedMark = 1;
  *data = dataArea;
  return 0;
}

int lyrShmDetach(void** data) {
  const int index = data == nullptr ? -1 : indexOf(*data);
  if (index < 0) {
    lyrDiagnostics::write("lyrSharedMemory: No shared memory attached at given address\n");
    return lyrShmNotAttached;
  }
  const platform::MappingHandle mapping = registry[index].mapping;
  if (lyrArrayRemove(&registry, index, 1) != 0) {
    lyrDiagnostics::removeFailed(1);
    lyrDiagnostics::write("lyrSharedMemory: Can not deallocate memory \n");
    return lyrShmCannotRemove;
  }
  count(headerOf(*data), -1);
  platform::unmapView(headerOf(*data));
  releaseEmptyRegistry();
  if (!platform::closeMapping(mapping)) {
    lyrDiagnostics::write("lyrSharedMemory: Unable to close handle to file mapping object\n");
    return lyrShmCannotClose;
  }
  *data = nullptr;
  return 0;
}

int lyrShmSize(const void* data) {
  if (data == nullptr) return 0;
  std::int32_t size = 0;
  std::memcpy(&size, static_cast<const char*>(data) - sizeof(lyrShmHeader) + offsetof(lyrShmHeader, dataSize),
              sizeof size);
  return size;
}
