#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "runtime/ipc/IpcSnapshot.h"
#include "tests/runtime/array/TrackedPrefix.h"
#include "tests/runtime/ipc/IpcFixture.h"
#include "tests/support/HostBlock.h"

namespace {

class IpcSnapshot : public IpcTest {
 protected:
  IpcSnapshot() : block(24, 1) {
    std::memcpy(block.data(), "0123456789abcdefghijklmn", 24);
    word = "/SHMKEY:" + block.key();
  }

  int snapshot(void** buffer, int bank, int* copied = nullptr) {
    const std::vector<std::string> words{word, "-dyn"};
    const auto argv = argvOf(words);
    return lyrIpcSnapshot(static_cast<int>(argv.size()), argv.data(), buffer, bank, copied);
  }

  void expectDetached() {
    EXPECT_EQ(block.header().attachCount, 1);
    EXPECT_EQ(block.header().attachedMark, 1);
  }

  HostBlock block;
  std::string word;
};

TEST_F(IpcSnapshot, CopiesIntoTheCallersBuffer) {
  char copy[25] = {};
  void* buffer = copy;
  ASSERT_EQ(snapshot(&buffer, 0), 0);
  EXPECT_EQ(buffer, copy);
  EXPECT_STREQ(copy, "0123456789abcdefghijklmn") << "dataSize bytes, not one more";
  expectDetached();
}

TEST_F(IpcSnapshot, MakesAPlainOrATrackedBuffer) {
  void* plain = nullptr;
  ASSERT_EQ(snapshot(&plain, 0), 0);
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(std::memcmp(plain, block.data(), 24), 0);
  EXPECT_EQ(lyrMemLastId(), startId) << "bank 0 is not tracked";
  std::free(plain);

  void* tracked = nullptr;
  ASSERT_EQ(snapshot(&tracked, 7), 0);
  EXPECT_EQ(std::memcmp(tracked, block.data(), 24), 0);
  EXPECT_EQ(lyrTesting::trackedSize(tracked), 24) << "dataSize bytes, as the allocator filed them";
  void* filed = nullptr;
  int bank = 0;
  ASSERT_EQ(lyrMemLookup(lyrMemLastId(), &filed, &bank), 0);
  EXPECT_EQ(filed, tracked);
  EXPECT_EQ(bank, 7);
  lyrMemFree(tracked);
  expectDetached();
}

TEST_F(IpcSnapshot, TellsHowManyBytesItCopiedOnlyWhenItCopied) {
  void* buffer = nullptr;
  int copied = -5;
  ASSERT_EQ(snapshot(&buffer, 0, &copied), 0);
  EXPECT_EQ(copied, 24);
  std::free(buffer);

  buffer = nullptr;
  copied = -5;
  word = "/SHMKEY:" + uniqueKey("kvnone");
  stderrOf([&] { EXPECT_EQ(snapshot(&buffer, 0, &copied), 3); });
  EXPECT_EQ(copied, -5);
  lyrTesting::failRawAllocations(1);
  word = "/SHMKEY:" + block.key();
  stderrOf([&] { EXPECT_EQ(snapshot(&buffer, 0, &copied), -1); });
  EXPECT_EQ(copied, -5);
}

TEST_F(IpcSnapshot, NoBufferIsReportedAndTheBlockIsDetachedAgain) {
  void* buffer = nullptr;
  // Raw allocations: the registry, then the buffer.
  lyrTesting::failRawAllocations(1);
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(snapshot(&buffer, 2), -1); }),
            std::string("KORVENA error allocating 24 bytes.") + kNoResources);
  lyrTesting::failRawAllocations(1);
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(snapshot(&buffer, 0), -1); }), kNoResources);
  EXPECT_EQ(buffer, nullptr);
  expectDetached();
}

TEST_F(IpcSnapshot, PassesOnWhatAttachingAndDetachingReport) {
  void* buffer = nullptr;
  word = "-stat";
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(snapshot(&buffer, 0), -4); }),
            "lyrIpc: Can not attach shared memory. Key not found");
  word = "/SHMKEY:" + uniqueKey("kvnone");
  stderrOf([&] { EXPECT_EQ(snapshot(&buffer, 0), 3); });
  EXPECT_EQ(buffer, nullptr);

  char copy[24] = {};
  buffer = copy;
  word = "/SHMKEY:" + block.key();
  platform::failNext(platform::MappingOp::Close);
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(snapshot(&buffer, 0), 2); }),
            "lyrSharedMemory: Unable to close handle to file mapping object\n"
            "lyrIpc: Can not destroy shared memory.");
  EXPECT_EQ(std::memcmp(copy, block.data(), 24), 0) << "the copy was made";
}

}  // namespace
