// lyrIpc, tag variant: one block per "/TAG:" tag ":" kind ":" key argument, each described by a
// record; the records stand in a process-wide list (an expandable array of record addresses)
// in argument order. The list exists while at least one record is listed.
#pragma once

#include <cstdint>

struct lyrIpcRecord {
  std::int32_t kind;  // lyrIpcKindSM, lyrIpcKindFB or lyrIpcKindFT
  char tag[8];        // zero-terminated
  char key[300];      // the mapping name, zero-terminated
  std::int32_t size;  // dataSize of the attached block; 0 when nothing is attached
  void* data;         // data address of the attached block; null when nothing is attached
};

inline constexpr std::int32_t lyrIpcKindSM = 0;  // shared memory: the only kind attached
inline constexpr std::int32_t lyrIpcKindFB = 1;
inline constexpr std::int32_t lyrIpcKindFT = 2;

// The record list: the address of its first item, counted with lyrArrayCount.
using lyrIpcList = lyrIpcRecord**;

// Attaches every /TAG: argument among the words (program path included) and stores the list
// into *list. 0; 3 when a block cannot be attached or an argument is malformed (fewer than four
// fields, tag over 7 or key over 39 characters); -1 when memory ran out. On failure *list is
// not written, earlier arguments stay attached and listed, and nothing of the failing one remains.
int lyrIpcAttach(int argc, const char* const* argv, lyrIpcList* list);

// The first record whose tag equals `tag` exactly, or null (also for a null list).
lyrIpcRecord* lyrIpcFind(lyrIpcList list, const char* tag);

// The record's data address; null for a null record.
void* lyrIpcData(const lyrIpcRecord* record);

// Detaches the record's block, releases the record, sets *record to null and takes it off the
// list; the list itself is released with its last record. 0; 2 when the block could not be
// detached (record and list unchanged); -1 when the list entry could not be removed (the
// block is detached, the record stays listed and *record keeps its value; call again).
int lyrIpcDetach(lyrIpcRecord** record);
