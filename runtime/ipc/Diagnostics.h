// The runtime's messages on standard error. Texts are fixed; only the lyrSharedMemory ones and
// the launch-argument refusals end with a line break.
#pragma once

namespace lyrDiagnostics {

inline constexpr const char* kIpcCannotAttach = "lyrIpc: Can not attach shared memory.";
inline constexpr const char* kIpcCannotDestroy = "lyrIpc: Can not destroy shared memory.";
inline constexpr const char* kIpcNoResources = "lyrIpc: Can not allocate memory. Not sufficient resources.";

void write(const char* message);

// "KORVENA error allocating %d bytes."
void allocationFailed(int bytes);
// "KORVENA error adding %d items to expandable array."
void addFailed(int items);
// "KORVENA error removing %d items from expandable array."
void removeFailed(int items);

}  // namespace lyrDiagnostics
