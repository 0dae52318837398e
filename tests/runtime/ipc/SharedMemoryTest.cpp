#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "runtime/ipc/SharedMemory.h"
#include "tests/runtime/ipc/IpcFixture.h"
#include "tests/support/HostBlock.h"

namespace {

using SharedMemory = IpcTest;

constexpr const char* kCannotAllocate = "lyrSharedMemory: Can not allocate memory\n";

TEST_F(SharedMemory, AttachRaisesTheCountAndDetachLowersItAgain) {
  HostBlock block(32, 3);
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    void* data = nullptr;
    ASSERT_EQ(lyrShmAttach(block.key().c_str(), &data), 0);
    EXPECT_EQ(block.header().attachCount, 4);
    EXPECT_EQ(block.header().attachedMark, 1);
    EXPECT_EQ(lyrShmSize(data), 32);
    std::memcpy(data, "tool", 4);
    EXPECT_EQ(std::memcmp(block.data(), "tool", 4), 0) << "the host sees the tool's bytes";

    ASSERT_EQ(lyrShmDetach(&data), 0);
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(block.header().attachCount, 3);
    EXPECT_EQ(block.header().attachedMark, 1) << "the mark stays";
    EXPECT_EQ(lyrMemLastId(), startId) << "the registry goes with its last entry";
  }
  EXPECT_EQ(lyrShmSize(nullptr), 0);
}

// The count is the host's to start from: at the top of its range an attach wraps it, and the
// detach brings it back to what the host left.
TEST_F(SharedMemory, CountAtEitherEndOfItsRangeComesBackAsTheHostLeftIt) {
  constexpr std::int32_t kTop = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kBottom = std::numeric_limits<std::int32_t>::min();
  for (const std::int32_t start : {kTop, kBottom}) {
    SCOPED_TRACE(start);
    HostBlock block(8, start);
    void* data = nullptr;
    ASSERT_EQ(lyrShmAttach(block.key().c_str(), &data), 0);
    EXPECT_EQ(block.header().attachCount, start == kTop ? kBottom : kBottom + 1);
    ASSERT_EQ(lyrShmDetach(&data), 0);
    EXPECT_EQ(block.header().attachCount, start);
  }
}

TEST_F(SharedMemory, MissingOrUnmappableBlockLeavesNothingAttached) {
  void* data = &data;
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(lyrShmAttach(uniqueKey("kvnone").c_str(), &data), 6); }),
            "lyrSharedMemory: Can not open file mapping for given key\n");

  HostBlock block(8);
  platform::failNext(platform::MappingOp::Map);
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(lyrShmAttach(block.key().c_str(), &data), 2); }),
            "lyrSharedMemory: Can not attach shared memory segment\n");
  EXPECT_EQ(data, &data) << "the out-parameter is written on success only";
  EXPECT_EQ(block.header().attachCount, 0);
  EXPECT_EQ(block.header().attachedMark, 0);
}

TEST_F(SharedMemory, BlockShorterThanItsHeaderSaysIsRefused) {
  HostBlock longClaim(100, 0, uniqueKey("kvshort"), 16 + 10);
  HostBlock negative(-1, 0, uniqueKey("kvneg"), 16);
  HostBlock noHeader(0, 0, uniqueKey("kvtiny"), 8);
  for (const HostBlock* block : {&longClaim, &negative, &noHeader}) {
    void* data = nullptr;
    EXPECT_EQ(stderrOf([&] { EXPECT_EQ(lyrShmAttach(block->key().c_str(), &data), 2); }),
              "lyrSharedMemory: Shared memory segment shorter than its header says\n");
    EXPECT_EQ(data, nullptr);
  }
  EXPECT_EQ(longClaim.header().attachCount, 0);
}

TEST_F(SharedMemory, KeyLongerThanTheRegistryHoldsIsRefused) {
  void* data = nullptr;
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(lyrShmAttach(std::string(40, 'k').c_str(), &data), 6); }),
            "lyrSharedMemory: Key longer than 39 characters\n");
}

TEST_F(SharedMemory, NoMemoryForTheRegistryUndoesTheAttach) {
  HostBlock block(8, 1);
  void* data = nullptr;
  lyrTesting::failRawAllocations(0);
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(lyrShmAttach(block.key().c_str(), &data), -1); }),
            std::string("KORVENA error allocating 240 bytes.") + kCannotAllocate);
  EXPECT_EQ(data, nullptr);
  EXPECT_EQ(block.header().attachCount, 1);
  EXPECT_EQ(block.header().attachedMark, 0);
}

TEST_F(SharedMemory, NoMemoryToGrowTheRegistryUndoesTheSixthAttach) {
  HostBlock block(8);
  std::vector<void*> attached(5);
  for (void*& data : attached) ASSERT_EQ(lyrShmAttach(block.key().c_str(), &data), 0);
  void* sixth = nullptr;
  lyrTesting::failRawAllocations(0);
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(lyrShmAttach(block.key().c_str(), &sixth), -1); }),
            std::string("KORVENA error adding 1 items to expandable array.") + kCannotAllocate);
  EXPECT_EQ(block.header().attachCount, 5);

  ASSERT_EQ(lyrShmAttach(block.key().c_str(), &sixth), 0) << "grows the registry by 5";
  attached.push_back(sixth);
  for (void*& data : attached) EXPECT_EQ(lyrShmDetach(&data), 0);
  EXPECT_EQ(block.header().attachCount, 0);
}

TEST_F(SharedMemory, DetachingAnUnknownAddressTouchesNothing) {
  HostBlock block(8);
  void* data = nullptr;
  ASSERT_EQ(lyrShmAttach(block.key().c_str(), &data), 0);
  void* inside = static_cast<char*>(data) + 4;
  void* none = nullptr;
  const std::string message = "lyrSharedMemory: No shared memory attached at given address\n";
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(lyrShmDetach(&inside), 9); }), message);
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(lyrShmDetach(&none), 9); }), message);
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(lyrShmDetach(nullptr), 9); }), message);
  EXPECT_EQ(block.header().attachCount, 1);
  ASSERT_EQ(lyrShmDetach(&data), 0);
  void* again = block.data();
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(lyrShmDetach(&again), 9); }), message) << "detached once";
}

TEST_F(SharedMemory, FailedRegistryRemovalLeavesTheBlockAttached) {
  HostBlock block(8);
  void* data = nullptr;
  ASSERT_EQ(lyrShmAttach(block.key().c_str(), &data), 0);
  void* const attached = data;
  lyrTesting::failArrayRemovals();
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(lyrShmDetach(&data), 8); }),
            "KORVENA error removing 1 items from expandable array."
            "lyrSharedMemory: Can not deallocate memory \n");
  EXPECT_EQ(data, attached);
  EXPECT_EQ(block.header().attachCount, 1);
  std::memcpy(data, "still", 5);  // still mapped
  EXPECT_EQ(lyrShmDetach(&data), 0);
  EXPECT_EQ(block.header().attachCount, 0);
}

TEST_F(SharedMemory, HandleThatWillNotCloseIsReportedAfterTheBlockIsReleased) {
  HostBlock block(8);
  void* data = nullptr;
  ASSERT_EQ(lyrShmAttach(block.key().c_str(), &data), 0);
  void* const attached = data;
  platform::failNext(platform::MappingOp::Close);
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(lyrShmDetach(&data), 7); }),
            "lyrSharedMemory: Unable to close handle to file mapping object\n");
  EXPECT_EQ(data, attached) << "the caller's variable keeps its value";
  EXPECT_EQ(block.header().attachCount, 0);
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(lyrShmDetach(&data), 9); }),
            "lyrSharedMemory: No shared memory attached at given address\n")
      << "a second detach is refused, not repeated";
}

}  // namespace
