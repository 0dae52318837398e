// A /TAG: tool keeps the blocks of its own tags and never leaves another block attached.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/array/ExpandableArray.h"
#include "runtime/skeleton/TagBlocks.h"
#include "tests/support/HostBlock.h"

namespace {

using skeleton::TagBlocks;

std::vector<const char*> wordsOf(const std::vector<std::string>& arguments) {
  std::vector<const char*> words{"/usr/bin/korvena-tool"};
  for (const std::string& argument : arguments) words.push_back(argument.c_str());
  return words;
}
// The pointers would outlive temporary words.
std::vector<const char*> wordsOf(std::vector<std::string>&& arguments) = delete;

std::string tagArgument(const char* tag, const std::string& key, const char* kind = "SM") {
  return std::string("/TAG:") + tag + ":" + kind + ":" + key;
}

int listedRecords() {
  lyrIpcList list = nullptr;
  lyrIpcAttach(0, nullptr, &list);
  return lyrArrayCount(list);
}

TEST(TagBlocksTest, KeepsTheNamedTagsAndLetsEveryOtherBlockGoAtOnce) {
  HostBlock info(120, 2), data(848, 0), extra(64, 0), second(848, 0);
  const std::vector<std::string> arguments = {
      tagArgument("EXTRA", extra.key()), tagArgument("DATA", data.key()), tagArgument("INFO", info.key()),
      tagArgument("DATA", second.key())};
  const auto words = wordsOf(arguments);
  {
    TagBlocks blocks;
    ASSERT_TRUE(blocks.attach(static_cast<int>(words.size()), words.data(), {"INFO", "DATA"}));
    EXPECT_EQ(info.header().attachCount, 3);
    EXPECT_EQ(data.header().attachCount, 1);
    EXPECT_EQ(extra.header().attachCount, 0);
    EXPECT_EQ(extra.header().attachedMark, 1) << "attached, then let go";
    EXPECT_EQ(second.header().attachCount, 0) << "only the first DATA block is kept";
    data.data()[5] = 'D';
    info.data()[7] = 'I';
    EXPECT_EQ(static_cast<const char*>(blocks.data("DATA"))[5], 'D');
    EXPECT_EQ(static_cast<const char*>(blocks.data("INFO"))[7], 'I');
    EXPECT_EQ(blocks.size("INFO"), 120);
    EXPECT_EQ(blocks.data("EXTRA"), nullptr);
    EXPECT_EQ(listedRecords(), 2);

    blocks.detach("INFO");
    EXPECT_EQ(info.header().attachCount, 2);
    EXPECT_EQ(blocks.data("INFO"), nullptr);
    EXPECT_EQ(blocks.size("INFO"), 0);
    EXPECT_EQ(data.header().attachCount, 1);
  }
  EXPECT_EQ(data.header().attachCount, 0) << "what is still kept goes with the object";
  EXPECT_EQ(listedRecords(), 0);
}

TEST(TagBlocksTest, AnIncompleteAttachKeepsNothing) {
  HostBlock data(848, 0), info(64, 0);
  struct Case {
    const char* what;
    std::vector<std::string> arguments;
  };
  const std::vector<Case> cases = {
      {"a named tag is missing", {tagArgument("DATA", data.key())}},
      {"the named tag is a file kind",
       {tagArgument("DATA", data.key()), tagArgument("INFO", info.key(), "FT")}},
      {"a later argument fails", {tagArgument("DATA", data.key()), tagArgument("INFO", "kvtagNoSuchKey")}},
      {"a later argument is malformed", {tagArgument("DATA", data.key()), "/TAG:INFO"}},
  };
  for (const Case& c : cases) {
    const auto words = wordsOf(c.arguments);
    TagBlocks blocks;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(blocks.attach(static_cast<int>(words.size()), words.data(), {"DATA", "INFO"})) << c.what;
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(data.header().attachCount, 0) << c.what;
    EXPECT_EQ(info.header().attachCount, 0) << c.what;
    EXPECT_EQ(blocks.data("DATA"), nullptr) << c.what;
    EXPECT_EQ(listedRecords(), 0) << c.what;
  }
}

// Records that were listed before belong to someone else and stay as they are.
TEST(TagBlocksTest, LeavesRecordsItDidNotAttachAlone) {
  HostBlock earlier(32, 0), data(848, 0);
  const std::vector<std::string> earlierArguments = {tagArgument("DATA", earlier.key())};
  const auto earlierWords = wordsOf(earlierArguments);
  lyrIpcList list = nullptr;
  ASSERT_EQ(lyrIpcAttach(2, earlierWords.data(), &list), 0);
  {
    const std::vector<std::string> arguments = {tagArgument("DATA", data.key())};
    const auto words = wordsOf(arguments);
    TagBlocks blocks;
    ASSERT_TRUE(blocks.attach(2, words.data(), {"DATA"}));
    EXPECT_EQ(blocks.size("DATA"), 848);
  }
  EXPECT_EQ(data.header().attachCount, 0);
  EXPECT_EQ(earlier.header().attachCount, 1);
  lyrIpcRecord* record = lyrIpcFind(list, "DATA");
  ASSERT_EQ(lyrIpcDetach(&record), 0);
  EXPECT_EQ(earlier.header().attachCount, 0);
}

}  // namespace
