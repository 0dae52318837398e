#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "host/core/BlockMemory.h"
#include "host/core/ToolRun.h"

namespace host {
namespace {

BlockSpec sampleBlock() {
  BlockSpec block;
  block.tag = "DATA";
  block.kind = "SM";
  block.dataSize = 24;
  FieldSpec real{"real", 0, FieldType::Double, 8, 2.5};
  FieldSpec low{"low", 4, FieldType::Int32, 4, std::int32_t{-1}};  // overlaps real's high half
  FieldSpec text{"text", 8, FieldType::Text, 8, std::string("abc")};
  FieldSpec bytes{"bytes", 16, FieldType::Bytes, 4, std::string("\x01\x02", 2)};
  FieldSpec untouched{"untouched", 20, FieldType::Int32, 4, std::nullopt};
  block.fields = {real, low, text, bytes, untouched};
  return block;
}

TEST(BlockMemoryTest, WritesHeaderAndFieldsInOrderOverZeroedMemory) {
  const BlockSpec block = sampleBlock();
  std::vector<std::byte> memory(kHeaderSize + 24, std::byte{0});
  writeBlock(memory, block);

  const BlockHeader header = readHeader(memory);
  EXPECT_EQ(header.attachCount, 0);
  EXPECT_EQ(header.dataSize, 24);
  EXPECT_EQ(header.attachedMark, 0);

  // The later field wins where two overlap.
  double expectedReal = 2.5;
  const std::int32_t minusOne = -1;
  std::memcpy(reinterpret_cast<char*>(&expectedReal) + 4, &minusOne, 4);

  const BlockSpec back = readFields(memory, block);
  EXPECT_EQ(std::memcmp(&std::get<double>(*back.fields[0].value), &expectedReal, 8), 0);
  EXPECT_EQ(std::get<std::int32_t>(*back.fields[1].value), -1);
  EXPECT_EQ(std::get<std::string>(*back.fields[2].value), std::string("abc\0\0\0\0\0", 8));
  EXPECT_EQ(std::get<std::string>(*back.fields[3].value), std::string("\x01\x02\0\0", 4));
  EXPECT_EQ(std::get<std::int32_t>(*back.fields[4].value), 0);
}

// Text and bytes that fill their field leave every byte around it as it was, up to the very end
// of the data area.
TEST(BlockMemoryTest, ValuesAsWideAsTheirFieldWriteNothingOutsideIt) {
  constexpr unsigned char kUntouched = 0x5A;
  BlockSpec block;
  block.dataSize = 19;
  block.fields = {FieldSpec{"title", 3, FieldType::Text, 7, std::string("Korvena")},
                  FieldSpec{"mark", 11, FieldType::Bytes, 3, std::string("\xc3\x01\xfe", 3)},
                  FieldSpec{"tail", 15, FieldType::Text, 4, std::string("ABCD")}};
  std::vector<std::byte> memory(kHeaderSize + 19, std::byte{kUntouched});
  writeBlock(memory, block);
  const auto at = [&](int offset) { return static_cast<unsigned char>(memory[kHeaderSize + offset]); };
  for (int offset : {2, 10, 14}) EXPECT_EQ(at(offset), kUntouched) << offset;
  EXPECT_EQ(std::memcmp(&memory[kHeaderSize + 3], "Korvena", 7), 0);
  EXPECT_EQ(std::memcmp(&memory[kHeaderSize + 11], "\xc3\x01\xfe", 3), 0);
  EXPECT_EQ(std::memcmp(&memory[kHeaderSize + 15], "ABCD", 4), 0);
}

TEST(BlockMemoryTest, ReportsHeaderAndValuesAsJson) {
  BlockHeader header;
  header.attachCount = 2;
  header.dataSize = 24;
  header.attachedMark = 1;
  header.reserved[6] = 0xab;
  EXPECT_EQ(headerToJson(header).dump(),
            R"({"attachCount":2,"dataSize":24,"attachedMark":1,"reserved":"000000000000ab"})");

  std::vector<std::byte> memory(kHeaderSize + 24, std::byte{0});
  writeBlock(memory, sampleBlock());
  const BlockSpec back = readFields(memory, sampleBlock());
  const Json named = fieldsToJson(back, true);
  EXPECT_EQ(named["text"], "abc");  // text up to its first zero byte
  EXPECT_EQ(named["bytes"], "01020000");
  EXPECT_EQ(named["untouched"], 0);
}

TEST(BlockMemoryTest, LaunchWordsFollowTheLaunchStyle) {
  Description tagged;
  tagged.blocks = {BlockSpec{"", "INFO", "SM", 4, {}}, BlockSpec{"", "LINE", "FT", 4, {}}};
  tagged.words = {"-x"};
  EXPECT_EQ(launchWords(tagged, {"K0", "K1"}),
            (std::vector<std::string>{"/TAG:INFO:SM:K0", "/TAG:LINE:FT:K1", "-x"}));

  Description keyed;
  keyed.launch = LaunchStyle::Key;
  keyed.blocks = {BlockSpec{"", "", "", 4, {}}};
  keyed.words = {"-stat"};
  EXPECT_EQ(launchWords(keyed, {"K0"}), (std::vector<std::string>{"/SHMKEY:K0", "-stat"}));
}

TEST(BlockMemoryTest, ExitCodeTellsCleanExitFailureSignalAndInterruption) {
  EXPECT_EQ(exitCodeFor({.exited = true, .exitCode = 0}), 0);
  EXPECT_EQ(exitCodeFor({.exited = true, .exitCode = 5}), kExitToolFailed);
  EXPECT_EQ(exitCodeFor({.exited = false, .signal = 11}), 139);
  EXPECT_EQ(exitCodeFor({.exited = false, .signal = 15, .interruptedBy = 2}), 130);
}

}  // namespace
}  // namespace host
