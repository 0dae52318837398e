#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <vector>

#include "runtime/array/ExpandableArray.h"
#include "runtime/array/InjectedFailures.h"
#include "runtime/array/TrackedMemory.h"

namespace {

struct Header {
  std::int32_t blockId, count, capacity, growBy, itemSize, headerSize;
};

Header headerOf(const void* array) {
  Header header{};
  std::memcpy(&header, static_cast<const char*>(array) - sizeof header, sizeof header);
  return header;
}

// Usable bytes of the tracked block that holds the array.
std::int32_t blockBytes(const void* array) {
  std::int32_t bytes = 0;
  std::memcpy(&bytes, static_cast<const char*>(array) - headerOf(array).headerSize - 4, 4);
  return bytes;
}

std::vector<int> items(const int* array) { return std::vector<int>(array, array + lyrArrayCount(array)); }

class ExpandableArray : public testing::Test {
 protected:
  void SetUp() override { startId = lyrMemLastId(); }
  void TearDown() override {
    lyrTesting::clearInjectedFailures();
    EXPECT_EQ(lyrMemLastId(), startId) << "every array of the test is released";
  }

  // An int array holding the given values, growth step 10.
  int* make(const std::vector<int>& values) {
    int* array = nullptr;
    EXPECT_EQ(lyrArrayCreate(0, 4, 10, 2, &array), 0);
    EXPECT_EQ(lyrArrayInsert(&array, -1, static_cast<int>(values.size()), values.data()), 0);
    return array;
  }

  int startId = 0;
};

TEST_F(ExpandableArray, CreateLaysOutHeaderAndBlock) {
  struct Case {
    int initial, itemSize, growBy;
    Header header;  // blockId not compared
    int blockItems;
  };
  const Case cases[] = {
      {0, 4, 10, {0, 0, 10, 10, 4, 24}, 16}, {0, 48, 5, {0, 0, 5, 5, 48, 48}, 6},
      {7, 4, 5, {0, 7, 10, 5, 4, 24}, 16},   {0, 8, 5, {0, 0, 5, 5, 8, 24}, 8},
      {0, 16, 5, {0, 0, 5, 5, 16, 32}, 7},   {1, 20, 5, {0, 1, 5, 5, 20, 40}, 7},
      {0, 3, 5, {0, 0, 5, 5, 3, 24}, 13},    {0, 6, 5, {0, 0, 5, 5, 6, 24}, 9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "item size " << c.itemSize);
    unsigned char* array = nullptr;
    ASSERT_EQ(lyrArrayCreate(c.initial, c.itemSize, c.growBy, 2, &array), 0);
    const Header h = headerOf(array);
    EXPECT_EQ(h.blockId, lyrMemLastId());
    EXPECT_EQ(h.count, c.header.count);
    EXPECT_EQ(h.capacity, c.header.capacity);
    EXPECT_EQ(h.growBy, c.header.growBy);
    EXPECT_EQ(h.itemSize, c.header.itemSize);
    EXPECT_EQ(h.headerSize, c.header.headerSize);
    EXPECT_EQ(blockBytes(array), c.blockItems * c.itemSize);
    void* block = nullptr;
    lyrMemLookup(h.blockId, &block, nullptr);
    EXPECT_EQ(static_cast<unsigned char*>(block) + h.headerSize, array);
    for (int i = 0; i < c.initial * c.itemSize; ++i) EXPECT_EQ(array[i], 0);
    EXPECT_EQ(lyrArrayFree(&array), 0);
    EXPECT_EQ(array, nullptr);
  }
}

TEST_F(ExpandableArray, CreateRefusesWhatItCannotHoldAndLeavesTheVariable) {
  int sentinel = 0;
  int* array = &sentinel;
  EXPECT_EQ(lyrArrayCreate(0, 4, 10, 0, &array), 1) << "bank 0";
  EXPECT_EQ(lyrArrayCreate(0, 0, 10, 2, &array), 1);
  EXPECT_EQ(lyrArrayCreate(0, -4, 10, 2, &array), 1);
  EXPECT_EQ(lyrArrayCreate(0, 4, 0, 2, &array), 1);
  EXPECT_EQ(lyrArrayCreate(INT_MAX, 4, 10, 2, &array), 1);
  lyrTesting::failRawAllocations(0);
  EXPECT_EQ(lyrArrayCreate(0, 4, 10, 2, &array), 1);
  EXPECT_EQ(array, &sentinel);
}

TEST_F(ExpandableArray, AppendingBeyondCapacityGrowsByWholeStepsAndKeepsItems) {
  int* array = make({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  EXPECT_EQ(headerOf(array).capacity, 10);
  const int eleventh = 11;
  ASSERT_EQ(lyrArrayInsert(&array, -1, 1, &eleventh), 0);
  EXPECT_EQ(headerOf(array).capacity, 20);
  EXPECT_EQ(blockBytes(array), (6 + 20) * 4);
  EXPECT_EQ(items(array), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  void* filed = nullptr;
  lyrMemLookup(headerOf(array).blockId, &filed, nullptr);
  EXPECT_EQ(static_cast<void*>(array), static_cast<char*>(filed) + 24)
      << "the caller's variable follows the block";

  std::vector<int> many(25, 7);
  ASSERT_EQ(lyrArrayInsert(&array, 0, 25, many.data()), 0);
  EXPECT_EQ(headerOf(array).capacity, 40) << "36 items need two more steps";
  EXPECT_EQ(lyrArrayCount(array), 36);
  EXPECT_EQ(array[25], 1);
  lyrArrayFree(&array);
}

TEST_F(ExpandableArray, InsertInTheMiddleMovesTheTailAndNullSourceGivesZeros) {
  int* array = make({1, 2});
  ASSERT_EQ(lyrArrayInsert(&array, 0, 3, nullptr), 0);
  EXPECT_EQ(items(array), (std::vector<int>{0, 0, 0, 1, 2}));
  const int middle[] = {8, 9};
  ASSERT_EQ(lyrArrayInsert(&array, 4, 2, middle), 0);
  EXPECT_EQ(items(array), (std::vector<int>{0, 0, 0, 1, 8, 9, 2}));
  ASSERT_EQ(lyrArrayInsert(&array, 7, 1, middle), 0) << "index == count appends";
  EXPECT_EQ(items(array), (std::vector<int>{0, 0, 0, 1, 8, 9, 2, 8}));
  lyrArrayFree(&array);
}

TEST_F(ExpandableArray, FailedGrowthLeavesArrayItemsAndAddressAlone) {
  int* array = make({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  int* before = array;
  lyrTesting::failRawAllocations(0);
  EXPECT_EQ(lyrArrayInsert(&array, 0, 1, nullptr), 1);
  EXPECT_EQ(array, before);
  EXPECT_EQ(headerOf(array).capacity, 10);
  EXPECT_EQ(items(array), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  lyrArrayFree(&array);
}

TEST_F(ExpandableArray, InsertRefusesBadRequests) {
  int* array = make({1, 2});
  EXPECT_EQ(lyrArrayInsert(&array, 3, 1, nullptr), 1) << "index beyond count";
  EXPECT_EQ(lyrArrayInsert(&array, 0, -1, nullptr), 1);
  EXPECT_EQ(lyrArrayInsert(&array, 0, INT_MAX, nullptr), 1) << "beyond the block's range";
  EXPECT_EQ(lyrArrayInsert(&array, 0, 0, nullptr), 0);
  EXPECT_EQ(items(array), (std::vector<int>{1, 2}));
  int* none = nullptr;
  EXPECT_EQ(lyrArrayInsert(&none, -1, 1, nullptr), 1);
  lyrArrayFree(&array);
}

TEST_F(ExpandableArray, RemoveFromTheEndOrTheMiddle) {
  int* array = make({1, 2, 3, 4});
  ASSERT_EQ(lyrArrayRemove(&array, -1, 2), 0);
  EXPECT_EQ(items(array), (std::vector<int>{1, 2}));
  ASSERT_EQ(lyrArrayInsert(&array, -1, 2, std::vector<int>{3, 4}.data()), 0);
  ASSERT_EQ(lyrArrayRemove(&array, 1, 2), 0);
  EXPECT_EQ(items(array), (std::vector<int>{1, 4}));
  ASSERT_EQ(lyrArrayRemove(&array, 0, 2), 0);
  EXPECT_EQ(lyrArrayCount(array), 0);
  EXPECT_EQ(headerOf(array).capacity, 10) << "the capacity never shrinks";
  lyrArrayFree(&array);
}

TEST_F(ExpandableArray, RemoveRefusesWhatIsNotThere) {
  int* array = make({1, 2, 3});
  EXPECT_EQ(lyrArrayRemove(&array, -1, 4), 1) << "n > count";
  EXPECT_EQ(lyrArrayRemove(&array, 2, 2), 1) << "runs past the end";
  EXPECT_EQ(lyrArrayRemove(&array, 4, 0), 1) << "index beyond count";
  EXPECT_EQ(lyrArrayRemove(&array, 0, -1), 1);
  EXPECT_EQ(items(array), (std::vector<int>{1, 2, 3}));
  lyrTesting::failArrayRemovals();
  EXPECT_EQ(lyrArrayRemove(&array, 0, 1), 1) << "injected";
  EXPECT_EQ(lyrArrayRemove(&array, 0, 1), 0);
  int* none = nullptr;
  EXPECT_EQ(lyrArrayRemove(&none, -1, 1), 1);
  lyrArrayFree(&array);
}

TEST_F(ExpandableArray, NullArrayIsEmptyAndFreeOfNullDoesNothing) {
  int* none = nullptr;
  EXPECT_EQ(lyrArrayCount(none), 0);
  EXPECT_EQ(lyrArrayFree(&none), 0);
  EXPECT_EQ(none, nullptr);
}

TEST_F(ExpandableArray, ArrayWithAForeignIdWordIsGrownAndFreedByItsAddress) {
  int* array = make({1});
  const int id = headerOf(array).blockId;
  // Corrupt the id word: free and growth must fall back to the block's own address.
  std::int32_t wrongId = id + 100;
  std::memcpy(reinterpret_cast<char*>(array) - 24, &wrongId, 4);
  std::vector<int> many(15, 3);
  ASSERT_EQ(lyrArrayInsert(&array, -1, 15, many.data()), 0);
  EXPECT_EQ(lyrArrayCount(array), 16);
  void* filed = nullptr;
  lyrMemLookup(id, &filed, nullptr);
  EXPECT_EQ(static_cast<char*>(filed) + 24, reinterpret_cast<char*>(array));
  lyrArrayFree(&array);
  EXPECT_EQ(lyrMemLookup(id, &filed, nullptr), 1) << "released and trimmed";
}

}  // namespace
