#include <string>
#include <vector>

#include "runtime/array/ExpandableArray.h"
#include "runtime/ipc/IpcTag.h"
#include "tests/runtime/ipc/DetachRecords.h"
#include "tests/runtime/ipc/IpcFixture.h"
#include "tests/support/HostBlock.h"

namespace {

class IpcTag : public IpcTest {
 protected:
  void TearDown() override {
    EXPECT_EQ(detachEveryRecord(), 0);
    IpcTest::TearDown();
  }

  // lyrIpcAttach on the program path followed by the given words.
  int attach(const std::vector<std::string>& words, lyrIpcList* list) {
    const auto argv = argvOf(words);
    return lyrIpcAttach(static_cast<int>(argv.size()), argv.data(), list);
  }

  static std::string tagArgument(const std::string& tag, const std::string& kind, const HostBlock& block) {
    return "/TAG:" + tag + ":" + kind + ":" + block.key();
  }
};

TEST_F(IpcTag, WithoutTagArgumentsTheListIsNull) {
  lyrIpcList list = reinterpret_cast<lyrIpcList>(&list);
  EXPECT_EQ(attach({"-x", "TAG:DATA:SM:k", "/tag:DATA:SM:k", " /TAG:DATA:SM:k"}, &list), 0);
  EXPECT_EQ(list, nullptr);
  EXPECT_EQ(lyrIpcFind(list, "DATA"), nullptr);
  EXPECT_EQ(lyrIpcAttach(0, nullptr, &list), 0) << "no words at all";
  EXPECT_EQ(list, nullptr);
}

TEST_F(IpcTag, AttachesEachBlockInArgumentOrderAndFindsItByTag) {
  HostBlock info(12, 1);
  HostBlock data(40);
  lyrIpcList list = nullptr;
  ASSERT_EQ(attach({tagArgument("INFO", "SM", info), "-v", tagArgument("DATA", "SM", data)}, &list), 0);
  ASSERT_EQ(lyrArrayCount(list), 2);
  EXPECT_STREQ(list[0]->tag, "INFO");
  EXPECT_STREQ(list[1]->tag, "DATA");

  lyrIpcRecord* found = lyrIpcFind(list, "DATA");
  ASSERT_EQ(found, list[1]);
  EXPECT_EQ(found->kind, lyrIpcKindSM);
  EXPECT_EQ(found->key, data.key());
  EXPECT_EQ(found->size, 40);
  EXPECT_EQ(lyrIpcData(found), static_cast<void*>(found->data));
  EXPECT_EQ(info.header().attachCount, 2);
  EXPECT_EQ(data.header().attachedMark, 1);
  EXPECT_EQ(lyrIpcFind(list, "data"), nullptr) << "case-sensitive";
  EXPECT_EQ(lyrIpcFind(list, "DAT"), nullptr) << "exact";
  EXPECT_EQ(lyrIpcData(nullptr), nullptr);

  lyrIpcRecord* record = list[0];
  ASSERT_EQ(lyrIpcDetach(&record), 0);
  EXPECT_EQ(record, nullptr);
  EXPECT_EQ(info.header().attachCount, 1);
  EXPECT_EQ(lyrArrayCount(list), 1) << "taken off the list";
  EXPECT_EQ(list[0], found);
  EXPECT_EQ(lyrIpcDetach(&record), 0) << "a null record is nothing to do";
}

TEST_F(IpcTag, KindsOtherThanSharedMemoryAreListedWithoutAttaching) {
  HostBlock unknownKind(8);
  lyrIpcList list = nullptr;
  ASSERT_EQ(
      attach({"/TAG:LINE:FT:nosuchkey", "/TAG:INFO:FB:other", tagArgument("DATA", "XY", unknownKind)}, &list),
      0);
  ASSERT_EQ(lyrArrayCount(list), 3);
  EXPECT_EQ(list[0]->kind, lyrIpcKindFT);
  EXPECT_STREQ(list[0]->key, "nosuchkey");
  EXPECT_EQ(list[0]->data, nullptr);
  EXPECT_EQ(list[0]->size, 0);
  EXPECT_EQ(list[1]->kind, lyrIpcKindFB);
  EXPECT_EQ(list[2]->kind, lyrIpcKindSM) << "an unknown kind attaches as shared memory";
  EXPECT_NE(list[2]->data, nullptr);
  EXPECT_EQ(unknownKind.header().attachCount, 1);
}

TEST_F(IpcTag, SplitsLikeStrtokAndFindsTheFirstOfTwoEqualTags) {
  HostBlock first(8);
  HostBlock second(16);
  lyrIpcList list = nullptr;
  ASSERT_EQ(
      attach({"/TAG::DATA//SM:" + first.key() + ":fifth:sixth", tagArgument("DATA", "SM", second)}, &list),
      0);
  ASSERT_EQ(lyrArrayCount(list), 2);
  EXPECT_EQ(list[0]->key, first.key()) << "the fifth field is ignored";
  EXPECT_EQ(lyrIpcFind(list, "DATA"), list[0]);
  EXPECT_EQ(lyrIpcFind(list, "DATA")->size, 8);
}

TEST_F(IpcTag, SecondCallAppendsToTheSameList) {
  HostBlock info(8);
  HostBlock data(8);
  lyrIpcList list = nullptr;
  ASSERT_EQ(attach({tagArgument("INFO", "SM", info)}, &list), 0);
  ASSERT_EQ(attach({tagArgument("DATA", "SM", data)}, &list), 0);
  ASSERT_EQ(lyrArrayCount(list), 2);
  EXPECT_STREQ(list[1]->tag, "DATA");
}

TEST_F(IpcTag, MissingBlockStopsAtOnceAndKeepsEarlierRecords) {
  HostBlock info(8);
  lyrIpcList list = nullptr;
  lyrIpcList untouched = reinterpret_cast<lyrIpcList>(&list);
  const std::string missing = uniqueKey("kvnone");
  HostBlock later(8);
  EXPECT_EQ(stderrOf([&] {
              EXPECT_EQ(attach({tagArgument("INFO", "SM", info), "/TAG:DATA:SM:" + missing,
                                tagArgument("LINE", "SM", later)},
                               &untouched),
                        3);
            }),
            "lyrSharedMemory: Can not open file mapping for given key\n"
            "lyrIpc: Can not attach shared memory.");
  EXPECT_EQ(untouched, reinterpret_cast<lyrIpcList>(&list)) << "list written on success only";
  EXPECT_EQ(later.header().attachCount, 0) << "later arguments are not reached";
  ASSERT_EQ(lyrIpcAttach(0, nullptr, &list), 0);
  ASSERT_EQ(lyrArrayCount(list), 1) << "the failing record is not listed";
  EXPECT_STREQ(list[0]->tag, "INFO");
  EXPECT_EQ(info.header().attachCount, 1);
}

TEST_F(IpcTag, ArgumentsOutsideTheRecordsFieldsAreRefused) {
  HostBlock block(8);
  struct Case {
    std::string argument, message;
  };
  const std::vector<Case> cases{
      {"/TAG:DATA:SM", "lyrIpc: Malformed /TAG: argument, expected /TAG:tag:kind:key\n"},
      {"/TAG:DATA:SM:", "lyrIpc: Malformed /TAG: argument, expected /TAG:tag:kind:key\n"},
      {"/TAG:LONGTAGS:SM:" + block.key(), "lyrIpc: Tag longer than 7 characters\n"},
      {"/TAG:DATA:FT:" + std::string(40, 'k'), "lyrIpc: Key longer than 39 characters\n"},
  };
  for (const Case& c : cases) {
    lyrIpcList list = nullptr;
    EXPECT_EQ(stderrOf([&] { EXPECT_EQ(attach({c.argument}, &list), 3); }), c.message) << c.argument;
    EXPECT_EQ(lyrMemLastId(), startId) << "nothing attached or listed";
  }
  lyrIpcList list = nullptr;
  EXPECT_EQ(attach({"/TAG:SEVENCH:FT:" + std::string(39, 'k')}, &list), 0) << "the limits fit";
}

TEST_F(IpcTag, NoMemoryForTheRecordOrTheListLeavesNothingBehind) {
  HostBlock block(8, 2);
  lyrIpcList list = nullptr;
  // Raw allocations of a first argument: record, registry, list.
  lyrTesting::failRawAllocations(0);
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(attach({tagArgument("DATA", "SM", block)}, &list), -1); }),
            std::string("KORVENA error allocating 320 bytes.") + kNoResources);
  lyrTesting::failRawAllocations(2);
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(attach({tagArgument("DATA", "SM", block)}, &list), -1); }),
            std::string("KORVENA error allocating 40 bytes.") + kNoResources);
  EXPECT_EQ(block.header().attachCount, 2) << "the block is detached again";
  EXPECT_EQ(list, nullptr);
}

TEST_F(IpcTag, NoMemoryToGrowTheListLeavesTheEleventhOut) {
  HostBlock block(8);
  std::vector<std::string> ten;
  for (int i = 0; i < 10; ++i) ten.push_back("/TAG:T" + std::to_string(i) + ":FT:k");
  lyrIpcList list = nullptr;
  ASSERT_EQ(attach(ten, &list), 0);
  // Raw allocations of the eleventh: record, registry, list growth.
  lyrTesting::failRawAllocations(2);
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(attach({tagArgument("DATA", "SM", block)}, &list), -1); }),
            std::string("KORVENA error adding 1 items to expandable array.") + kNoResources);
  EXPECT_EQ(block.header().attachCount, 0);
  ASSERT_EQ(lyrIpcAttach(0, nullptr, &list), 0);
  EXPECT_EQ(lyrArrayCount(list), 10);
  EXPECT_EQ(lyrIpcFind(list, "DATA"), nullptr);
}

TEST_F(IpcTag, FailedDetachKeepsRecordAndListAndCanBeRepeated) {
  HostBlock block(8);
  lyrIpcList list = nullptr;
  ASSERT_EQ(attach({tagArgument("DATA", "SM", block), "/TAG:LINE:FT:k"}, &list), 0);
  lyrIpcRecord* record = lyrIpcFind(list, "DATA");

  lyrTesting::failArrayRemovals();  // the registry entry
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(lyrIpcDetach(&record), 2); }),
            "KORVENA error removing 1 items from expandable array."
            "lyrSharedMemory: Can not deallocate memory \n"
            "lyrIpc: Can not destroy shared memory.");
  ASSERT_NE(record, nullptr);
  EXPECT_NE(record->data, nullptr);
  EXPECT_EQ(block.header().attachCount, 1);
  EXPECT_EQ(lyrArrayCount(list), 2);

  ASSERT_EQ(lyrIpcDetach(&record), 0);
  EXPECT_EQ(block.header().attachCount, 0);

  lyrIpcRecord* line = list[0];
  lyrTesting::failArrayRemovals();
  EXPECT_EQ(stderrOf([&] { EXPECT_EQ(lyrIpcDetach(&line), -1); }),
            "KORVENA error removing 1 items from expandable array."
            "lyrIpc: Can not deallocate memory.");
  EXPECT_EQ(line, list[0]) << "still listed, the caller's variable kept";
  EXPECT_EQ(lyrIpcFind(list, "LINE"), line);
  EXPECT_EQ(lyrIpcDetach(&line), 0) << "a second call ends it";
  EXPECT_EQ(lyrMemLastId(), startId);
}

}  // namespace
