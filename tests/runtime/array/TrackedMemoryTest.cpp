#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <vector>

#include "runtime/array/InjectedFailures.h"
#include "runtime/array/TrackedMemory.h"
#include "tests/runtime/array/TrackedPrefix.h"

namespace {

using lyrTesting::prefixWord;

class TrackedMemory : public testing::Test {
 protected:
  void SetUp() override { startId = lyrMemLastId(); }
  void TearDown() override {
    lyrTesting::clearInjectedFailures();
    EXPECT_EQ(lyrMemLastId(), startId) << "every block of the test is released";
  }
  int startId = 0;
};

TEST_F(TrackedMemory, AllocFillsPrefixZeroesBlockAndFilesItInItsBank) {
  auto* block = static_cast<unsigned char*>(lyrMemAlloc(7, 5, 3));
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(lyrMemFailed(), 0);
  const int id = lyrMemLastId();
  EXPECT_EQ(id, startId + 1);
  EXPECT_EQ(prefixWord(block, -8), id);
  EXPECT_EQ(prefixWord(block, -4), 15);
  for (int i = 0; i < 15; ++i) EXPECT_EQ(block[i], 0) << i;

  void* filed = nullptr;
  int bank = 0;
  EXPECT_EQ(lyrMemLookup(id, &filed, &bank), 0);
  EXPECT_EQ(filed, block);
  EXPECT_EQ(bank, 7);
  EXPECT_EQ(lyrMemFree(block), nullptr);
}

TEST_F(TrackedMemory, RefusedRequestsFailWithoutFilingAnything) {
  EXPECT_EQ(lyrMemAlloc(0, 1, 4), nullptr) << "bank 0";
  EXPECT_EQ(lyrMemFailed(), 1);
  EXPECT_EQ(lyrMemAlloc(2, -1, 4), nullptr);
  EXPECT_EQ(lyrMemAlloc(2, 4, -1), nullptr);
  EXPECT_EQ(lyrMemAlloc(2, INT_MAX, 2), nullptr) << "beyond the prefix's int32";
  EXPECT_EQ(lyrMemFailed(), 1);
  EXPECT_EQ(lyrMemLastId(), startId);

  void* block = lyrMemAlloc(2, 0, 4);
  EXPECT_NE(block, nullptr) << "an empty block is a block";
  EXPECT_EQ(lyrMemFailed(), 0);
  lyrMemFree(block);
}

TEST_F(TrackedMemory, FailedRawAllocationAndFailedTableGrowthLeaveNoSlot) {
  lyrTesting::failRawAllocations(0);
  EXPECT_EQ(lyrMemAlloc(2, 1, 4), nullptr);
  EXPECT_EQ(lyrMemFailed(), 1);
  EXPECT_EQ(lyrMemLastId(), startId);

  // Fill the table to its next multiple of 512, so that the next block must grow it.
  std::vector<void*> blocks;
  do {
    blocks.push_back(lyrMemAlloc(2, 1, 1));
  } while (lyrMemLastId() % 512 != 0);
  const int full = lyrMemLastId();
  for (int tableAllocation : {1, 2}) {
    lyrTesting::failRawAllocations(tableAllocation);
    EXPECT_EQ(lyrMemAlloc(2, 1, 4), nullptr) << "table growth " << tableAllocation;
    EXPECT_EQ(lyrMemFailed(), 1);
    EXPECT_EQ(lyrMemLastId(), full);
  }
  void* grown = lyrMemAlloc(2, 1, 4);
  ASSERT_NE(grown, nullptr);
  EXPECT_EQ(prefixWord(grown, -8), full + 1);
  lyrMemFree(grown);
  for (void* block : blocks) lyrMemFree(block);
}

TEST_F(TrackedMemory, ReleasingTheNewestBlocksInAnyOrderTrimsTheTable) {
  void* older = lyrMemAlloc(2, 1, 4);
  void* newer = lyrMemAlloc(2, 1, 4);
  lyrMemFree(older);
  EXPECT_EQ(lyrMemLastId(), startId + 2) << "a hole in the middle stays";
  void* address = &older;
  EXPECT_EQ(lyrMemLookup(startId + 1, &address, nullptr), 0);
  EXPECT_EQ(address, nullptr) << "released slot";
  lyrMemFree(newer);
  EXPECT_EQ(lyrMemLastId(), startId);

  void* again = lyrMemAlloc(2, 1, 4);
  lyrMemAlloc(2, 1, 4);
  EXPECT_EQ(prefixWord(again, -8), startId + 1) << "ids are issued again";
  lyrMemFreeById(startId + 2);
  lyrMemFreeById(startId + 1);
  EXPECT_EQ(lyrMemLastId(), startId);
}

TEST_F(TrackedMemory, FreeLeavesAloneWhatIsNotALiveTrackedBlock) {
  void* a = lyrMemAlloc(2, 2, 4);
  void* b = lyrMemAlloc(2, 2, 4);
  lyrMemFree(a);
  lyrMemFreeById(startId + 1);  // already cleared: nothing happens
  lyrMemFreeById(startId + 5);  // beyond the table
  lyrMemFreeById(0);
  EXPECT_EQ(lyrMemFree(nullptr), nullptr);
  EXPECT_EQ(lyrMemLastId(), startId + 2);
  lyrMemFree(b);
}

TEST_F(TrackedMemory, LookupOutsideTheTableGivesNullAndBankZero) {
  void* address = &address;
  int bank = 9;
  EXPECT_EQ(lyrMemLookup(0, &address, &bank), 1);
  EXPECT_EQ(address, nullptr);
  EXPECT_EQ(bank, 0);
  EXPECT_EQ(lyrMemLookup(startId + 1, nullptr, nullptr), 1);
}

TEST_F(TrackedMemory, ReallocKeepsContentsUpdatesPrefixAndRefiles) {
  auto* block = static_cast<char*>(lyrMemAlloc(3, 4, 1));
  std::memcpy(block, "abcd", 4);
  const int id = lyrMemLastId();
  auto* grown = static_cast<char*>(lyrMemRealloc(block, 1000, 4));
  ASSERT_NE(grown, nullptr);
  EXPECT_EQ(lyrMemReallocFailed(), 0);
  EXPECT_EQ(std::memcmp(grown, "abcd", 4), 0);
  EXPECT_EQ(prefixWord(grown, -4), 4000);
  EXPECT_EQ(prefixWord(grown, -8), id);
  void* filed = nullptr;
  int bank = 0;
  lyrMemLookup(id, &filed, &bank);
  EXPECT_EQ(filed, grown);
  EXPECT_EQ(bank, 3) << "the bank stays";

  auto* byId = static_cast<char*>(lyrMemReallocById(id, 2, 1));
  EXPECT_EQ(lyrMemReallocFailed(), 0);
  EXPECT_EQ(prefixWord(byId, -4), 2);
  EXPECT_EQ(std::memcmp(byId, "ab", 2), 0);
  lyrMemFree(byId);
}

TEST_F(TrackedMemory, FailedOrRefusedReallocKeepsTheOldBlock) {
  void* block = lyrMemAlloc(2, 4, 1);
  const int id = lyrMemLastId();
  lyrTesting::failRawAllocations(0);
  EXPECT_EQ(lyrMemRealloc(block, 100, 1), block);
  EXPECT_EQ(lyrMemReallocFailed(), 1);
  EXPECT_EQ(prefixWord(block, -4), 4);

  EXPECT_EQ(lyrMemRealloc(block, -1, 1), block) << "n * size == 0xFFFFFFFF";
  EXPECT_EQ(lyrMemReallocFailed(), 1);
  EXPECT_EQ(lyrMemRealloc(block, INT_MAX, 4), block);
  EXPECT_EQ(lyrMemRealloc(nullptr, 1, 1), nullptr);
  EXPECT_EQ(lyrMemReallocFailed(), 1);
  EXPECT_EQ(lyrMemReallocById(id + 1, 1, 1), nullptr) << "id beyond the table";
  EXPECT_EQ(lyrMemReallocById(0, 1, 1), nullptr);
  EXPECT_EQ(lyrMemReallocFailed(), 1);
  lyrMemFree(block);
}

}  // namespace
