// Every item of the file, cut short in its middle, is reported the way that item's failure is.
#include <gtest/gtest.h>

#include <map>

#include "shakeplay/core/ByteSource.h"
#include "tests/shakeplay/support/TestModel.h"

namespace shakeplay {
namespace {

constexpr const char* kAnalysis = "KORVENA: Dynamic Analysis";
constexpr const char* kMemory = "Shakeplay: Unable to allocate sufficient memory, please check resources.";

struct Expected {
  std::string box;  // empty: no message box
  std::string caption;
  std::string out;
};

Expected expectedFor(const std::string& item) {
  static const std::map<std::string, int> codes = {
      {"step header", -1},      {"range block", -2},
      {"modal coordinates", 0}, {"X shapes of points", 1},
      {"dispScale X", 11},      {"colourScale X", 12},
      {"colourOffset X", 13},   {"Y shapes of points", 2},
      {"dispScale Y", 21},      {"colourScale Y", 22},
      {"colourOffset Y", 23},   {"Z shapes of points", 3},
      {"dispScale Z", 31},      {"colourScale Z", 32},
      {"colourOffset Z", 33},   {"X shapes of edge points", 100},
      {"edgeDispScale X", 101}, {"Y shapes of edge points", 200},
      {"edgeDispScale Y", 201}, {"Z shapes of edge points", 300},
      {"edgeDispScale Z", 301}, {"timeOffset", 400},
      {"timeScale", 401},       {"step times", 402},
  };
  if (item == "lead word" || item == "timeStart" || item == "timeEnd" || item == "INFO") {
    return {"Cannot read INFO !", kAnalysis, ""};
  }
  if (item == "POINT") return {kMemory, "Korvena Error", "Cannot read POINT !\n"};
  if (item == "TRIANGLE") return {"Cannot read TRIANGLE !", kAnalysis, "Cannot read TRIANGLE !\n"};
  if (item == "EDGES") return {"Cannot read EDGES !", kAnalysis, "Cannot read EDGES !\n"};
  return {"", "", "Cannot Read from dyn_post.res(u:" + std::to_string(codes.at(item)) + ")\n"};
}

TEST(ResultReadFailure, EveryItemCutShortIsReportedAsThatItem) {
  const host::results::ResultData data = test::smallResult();
  const std::vector<unsigned char> bytes = host::results::encodeResultFile(data);
  const std::vector<host::results::ResultItem> items = host::results::resultFileItems(data);
  ASSERT_EQ(items.size(), 31u);
  EXPECT_EQ(items.back().offset + items.back().size, bytes.size());
  for (const host::results::ResultItem& item : items) {
    ASSERT_GT(item.size, 0u) << item.name;
    for (const std::uint64_t cut : {item.offset, item.offset + item.size / 2, item.offset + item.size - 1}) {
      test::RecordingServices services;
      CShakeplayDoc doc(services);
      MemorySource source(bytes.data(), cut);
      EXPECT_EQ(doc.readModelFrom(source), -1) << item.name << " cut at " << cut;
      const Expected expected = expectedFor(item.name);
      EXPECT_EQ(services.out, expected.out) << item.name;
      if (expected.box.empty()) {
        EXPECT_TRUE(services.boxes.empty()) << item.name;
      } else {
        ASSERT_EQ(services.boxes.size(), 1u) << item.name;
        EXPECT_EQ(services.boxes[0].text, expected.box);
        EXPECT_EQ(services.boxes[0].caption, expected.caption);
      }
    }
  }
}

TEST(ResultReadFailure, BytesAfterTheStepTimesAreNotRead) {
  const host::results::ResultData data = test::smallResult();
  std::vector<unsigned char> bytes = host::results::encodeResultFile(data);
  bytes.resize(bytes.size() + 7, 0xAB);
  test::RecordingServices services;
  CShakeplayDoc doc(services);
  MemorySource source(bytes.data(), bytes.size());
  EXPECT_EQ(doc.readModelFrom(source), 0);
}

}  // namespace
}  // namespace shakeplay
