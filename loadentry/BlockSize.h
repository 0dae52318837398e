// Whether a data area is long enough for everything the dialog reads from it.
#pragma once

#include "loadentry/LoadBcInputBlock.h"

namespace loadentry {

// The fixed part always; when a load function applies, also functionCount entries, a count
// below 0 being refused. Reads only within the dataSize bytes at data.
bool holdsWholeBlock(const void* data, int dataSize);

// The first byte of function entry i.
const char* functionEntry(const LoadBcInputBlock& block, int i);

}  // namespace loadentry
