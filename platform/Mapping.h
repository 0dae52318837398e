// Named shared-memory mappings, the POSIX stand-in for Win32 file mappings.
// Tools open existing mappings by key; the host creates and unlinks them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

using MappingHandle = int;
inline constexpr MappingHandle kNoMapping = -1;

// The POSIX object name of a key: "/" + key, with '%' written "%25" and '/' written "%2F".
std::string mappingName(std::string_view key);

// Opens an existing mapping read-write (OpenFileMappingA). kNoMapping when there is none.
MappingHandle openMapping(std::string_view key);

// Maps the whole object (MapViewOfFile); null on failure. The size mapped is stored in *size.
void* mapView(MappingHandle handle, std::size_t* size = nullptr);

// Unmaps a view that mapView returned (UnmapViewOfFile); false for an unknown address.
bool unmapView(void* view);

// Closes a handle (CloseHandle); false on failure.
bool closeMapping(MappingHandle handle);

// Host side: creates a new zero-filled mapping of the given size with mode 0600.
// Fails (kNoMapping) when a mapping of that name exists already.
MappingHandle createMapping(std::string_view key, std::size_t size);

// Host side: removes the name; mapped views stay valid until unmapped. False when absent.
bool unlinkMapping(std::string_view key);

// Test support: makes the next calls of one operation fail, so that every failure path
// of the layers above can be exercised.
enum class MappingOp { Open, Map, Unmap, Close, Create };
void failNext(MappingOp op, int times = 1);
void clearFailures();

}  // namespace platform
