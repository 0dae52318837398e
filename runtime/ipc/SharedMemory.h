// lyrSharedMemory: attaches host-created mappings by key and releases them by data address.
//
// A block is a 16-byte lyrShmHeader followed by the data area; callers work with the data
// address (mapping start + 16). A process-wide registry remembers every attached block; it
// exists exactly while at least one block is attached.
#pragma once

#include <cstddef>
#include <cstdint>

struct lyrShmHeader {
  std::int32_t attachCount;   // raised by every attach, lowered by every detach
  std::int32_t dataSize;      // bytes in the data area, written by the host
  std::uint8_t attachedMark;  // set to 1 by every attach, never cleared by a tool
  std::uint8_t reserved[7];   // the host's
};
static_assert(sizeof(lyrShmHeader) == 16);
static_assert(offsetof(lyrShmHeader, attachCount) == 0);
static_assert(offsetof(lyrShmHeader, dataSize) == 4);
static_assert(offsetof(lyrShmHeader, attachedMark) == 8);
static_assert(offsetof(lyrShmHeader, reserved) == 9);

// The longest key the registry holds.
inline constexpr int lyrShmMaxKeyLength = 39;

// Result codes besides 0 (success) and -1 (no memory for the registry).
inline constexpr int lyrShmCannotMap = 2;     // view failed, or the block is shorter than its header says
inline constexpr int lyrShmCannotOpen = 6;    // no mapping of that name, or the key is too long
inline constexpr int lyrShmCannotClose = 7;   // detached, but the handle would not close
inline constexpr int lyrShmCannotRemove = 8;  // the registry entry could not be removed
inline constexpr int lyrShmNotAttached = 9;   // the address is not one the registry holds

// Opens and maps the mapping named key, raises attachCount, sets attachedMark, files the block
// and stores the data address into *data. 0, 2, 6 or -1; on failure nothing is left attached.
int lyrShmAttach(const char* key, void** data);

// Lowers attachCount, unmaps, forgets and closes the block at *data, then sets *data to null.
// 0, 7, 8 or 9 (9: unknown address, nothing touched).
int lyrShmDetach(void** data);

// The block's dataSize; 0 for null.
int lyrShmSize(const void* data);
