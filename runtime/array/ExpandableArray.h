// Expandable arrays: contiguous runs of fixed-size items in a tracked block, addressed by the
// address of item 0 and grown in steps of `growBy` items. Items are raw bytes: nothing is
// constructed or destroyed, items are moved bytewise.
//
// The 24 bytes before item 0 hold six int32 words: blockId, count, capacity, growBy, itemSize,
// headerSize (bytes from the block's start to item 0). headerSize is 24, or, for an item size
// that is a multiple of 4 greater than 4, the smallest multiple of the item size that is >= 24.
//
// Operations that can move or release an array take the address of the caller's variable.
// Every operation returns 0 on success; 1 reports a failure or a refused request, and then the
// array is unchanged. Nothing here prints.
#pragma once

// Creates an array of `initial` zero items (none when initial <= 0), capacity a whole multiple
// of growBy (at least growBy). 1 when the block cannot be had, or for an item size or growth
// step <= 0 (array not written).
int lyrArrayCreate(int initial, int itemSize, int growBy, int bank, void** array);

// Inserts n items before item `index` (index < 0 appends), copied from source, or zero when
// source is null. Grows by whole steps when needed; the caller's variable then holds the new
// address. 1 when growing failed, and for index > count, n < 0 or a null array.
int lyrArrayInsert(void** array, int index, int n, const void* source);

// Removes n items from `index` on (index < 0: the last n items). The capacity never shrinks.
// 1 for n < 0, n > count, items beyond the end or a null array.
int lyrArrayRemove(void** array, int index, int n);

// The number of items; 0 for a null array.
int lyrArrayCount(const void* array);

// Releases the array (nothing for a null one) and sets the caller's variable to null.
int lyrArrayFree(void** array);

// Typed forms for a variable of any item-pointer type (a registry of entries, a list of records).
template <typename Item>
int lyrArrayCreate(int initial, int itemSize, int growBy, int bank, Item** array) {
  void* raw = nullptr;
  const int result = lyrArrayCreate(initial, itemSize, growBy, bank, &raw);
  if (result == 0) *array = static_cast<Item*>(raw);
  return result;
}

template <typename Item>
int lyrArrayInsert(Item** array, int index, int n, const void* source) {
  void* raw = *array;
  const int result = lyrArrayInsert(&raw, index, n, source);
  *array = static_cast<Item*>(raw);
  return result;
}

template <typename Item>
int lyrArrayRemove(Item** array, int index, int n) {
  void* raw = *array;
  return lyrArrayRemove(&raw, index, n);
}

template <typename Item>
int lyrArrayFree(Item** array) {
  void* raw = *array;
  const int result = lyrArrayFree(&raw);
  *array = static_cast<Item*>(raw);
  return result;
}
