// lyrIpc, key variant: one block named by the first word that holds "/SHMKEY:"; the key is the
// rest of that word (it may hold ':' and '/').
#pragma once

// Attaches the block and stores its data address into *data. 0; -4 when no word holds
// "/SHMKEY:"; 3 when the block cannot be attached or the key is over 39 characters.
int lyrIpcAttachKey(int argc, const char* const* argv, void** data);

// Waits 5 ms, then detaches the block at *data and sets *data to null. 0 (also for null);
// 2 when the block could not be detached (*data keeps its value).
int lyrIpcDetachKey(void** data);
