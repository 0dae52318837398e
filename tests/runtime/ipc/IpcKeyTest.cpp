#include <string>
#include <vector>

#include "runtime/ipc/IpcKey.h"
#include "tests/runtime/ipc/IpcFixture.h"
#include "tests/support/HostBlock.h"

namespace {

using IpcKey = IpcTest;

int attachKey(const std::vector<std::string>& words, void** data) {
  const auto argv = argvOf(words);
  return lyrIpcAttachKey(static_cast<int>(argv.size()), argv.data(), data);
}

TEST_F(IpcKey, KeyIsTheRestOfTheFirstWordHoldingTheMarker) {
  HostBlock block(24, 5, uniqueKey("kv/with:colon"));
  HostBlock other(8);
  void* data = nullptr;
  ASSERT_EQ(attachKey({"-stat", "x/SHMKEY:" + block.key(), "/SHMKEY:" + other.key()}, &data), 0);
  EXPECT_EQ(block.header().attachCount, 6);
  EXPECT_EQ(other.header().attachCount, 0) << "a second /SHMKEY: word is ignored";
  ASSERT_EQ(lyrIpcDetachKey(&data), 0);
  EXPECT_EQ(data, nullptr);
  EXPECT_EQ(block.header().attachCount, 5);

  ASSERT_EQ(attachKey({"/SHMKEY:" + block.key()}, &data), 0) << "attach again after detach";
  EXPECT_EQ(block.header().attachCount, 6);
  ASSERT_EQ(lyrIpcDetachKey(&data), 0);
  EXPECT_EQ(block.header().attachCount, 5);
  EXPECT_EQ(block.header().attachedMark, 1);
}

TEST_F(IpcKey, MissingMarkerOrBlockIsReported) {
  void* data = &data;
  const std::string notFound = "lyrIpc: Can not attach shared memory. Key not found";
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(attachKey({"-stat", "/shmkey:x"}, &data), -4); }), notFound);
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(lyrIpcAttachKey(0, nullptr, &data), -4); }), notFound);
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(attachKey({"/SHMKEY:" + uniqueKey("kvnone")}, &data), 3); }),
            "lyrSharedMemory: Can not open file mapping for given key\n"
            "lyrIpc: Can not attach shared memory.");
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(attachKey({"/SHMKEY:" + std::string(40, 'k')}, &data), 3); }),
            "lyrIpc: Key longer than 39 characters\n");
  EXPECT_EQ(data, &data) << "written on success only";
}

TEST_F(IpcKey, DetachOfNullIsNothingAndAFailedDetachIsReported) {
  void* none = nullptr;
  EXPECT_EQ(lyrIpcDetachKey(&none), 0);
  EXPECT_EQ(lyrIpcDetachKey(nullptr), 0);

  HostBlock block(8);
  void* data = nullptr;
  ASSERT_EQ(attachKey({"/SHMKEY:" + block.key()}, &data), 0);
  void* const attached = data;
  lyrTesting::failArrayRemovals();
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(lyrIpcDetachKey(&data), 2); }),
            "KORVENA error removing 1 items from expandable array."
            "lyrSharedMemory: Can not deallocate memory \n"
            "lyrIpc: Can not destroy shared memory.");
  EXPECT_EQ(data, attached);
  EXPECT_EQ(block.header().attachCount, 1);
  EXPECT_EQ(lyrIpcDetachKey(&data), 0);
}

}  // namespace
