// Tracked allocation: every block is numbered (its id), filed in a process-wide allocation
// table together with a bank number, and can be found, resized and released by its id.
//
// A block's address points behind an 8-byte prefix: int32 id at -8, int32 usable size in
// bytes at -4. The usable part is zero-filled at allocation. Nothing here prints.
#pragma once

// A zero-filled block of count * itemSize bytes filed in `bank`, or null. Bank 0, a negative
// count or item size, and a size beyond the int32 range are refused. Sets lyrMemFailed.
void* lyrMemAlloc(int bank, int count, int itemSize);

// 1 if the last lyrMemAlloc returned null, else 0.
int lyrMemFailed();

// The highest id in use; falls back when the newest blocks are released.
int lyrMemLastId();

// Releases a block that lyrMemAlloc returned and clears its slot; always returns null.
// Null, and an address that is not a live tracked block, are left alone.
void* lyrMemFree(void* block);

// Releases the block filed under id (nothing for an id outside 1..lyrMemLastId or a cleared slot).
void lyrMemFreeById(int id);

// Resizes a tracked block to count * itemSize usable bytes and refiles it. Returns the new
// address, or the old one when the resize failed or was refused (null block, negative or
// oversized request, address not a live tracked block). Contents are kept; added bytes are
// not cleared. Sets lyrMemReallocFailed.
void* lyrMemRealloc(void* block, int count, int itemSize);

// As lyrMemRealloc for the block filed under id; null for an id outside 1..lyrMemLastId or a
// cleared slot.
void* lyrMemReallocById(int id, int count, int itemSize);

// 1 if the last tracked resize failed or was refused, else 0.
int lyrMemReallocFailed();

// 0 with the slot's address (null for a released block) and bank; 1 with null and 0 for an id
// outside 1..lyrMemLastId. Either out-parameter may be null.
int lyrMemLookup(int id, void** address, int* bank);
