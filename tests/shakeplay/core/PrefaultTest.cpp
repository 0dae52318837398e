// Storage faulted in on the worker while it is read into: the bytes arrive whole and in place,
// a read cut short lets the worker go, and a large model loads as a small one does.
#include <gtest/gtest.h>

#include <algorithm>

#include "results/SampleModels.h"
#include "shakeplay/core/ByteSource.h"
#include "shakeplay/core/Prefaulter.h"
#include "tests/shakeplay/support/TestModel.h"

namespace shakeplay {
namespace {

// Several pieces and a ragged end, so the worker has pieces left while the first is read.
constexpr std::size_t kLarge = (std::size_t{9} << 20) + 12345;

std::vector<unsigned char> pattern(std::size_t bytes) {
  std::vector<unsigned char> data(bytes);
  for (std::size_t i = 0; i < bytes; ++i) data[i] = static_cast<unsigned char>(i * 7 + i / 4096);
  return data;
}

TEST(Prefaulter, ReadsEveryByteInPlaceRangeAfterRange) {
  const std::vector<unsigned char> data = pattern(kLarge);
  Prefaulter prefaulter;
  for (const std::size_t bytes : {kLarge, std::size_t{5} << 20, std::size_t{100}}) {
    MemorySource source(data.data(), bytes);
    Buffer<unsigned char> storage(bytes);
    ASSERT_TRUE(readPrefaulted(source, prefaulter, storage.data(), bytes)) << bytes;
    EXPECT_TRUE(std::equal(storage.begin(), storage.end(), data.begin())) << bytes;
  }
}

TEST(Prefaulter, ACutShortReadFailsKeepsWhatArrivedAndLetsTheWorkerGo) {
  const std::vector<unsigned char> data = pattern(kLarge);
  for (const std::size_t cut : {std::size_t{0}, std::size_t{1} << 20, std::size_t{6} << 20, kLarge - 1}) {
    Prefaulter prefaulter;
    MemorySource source(data.data(), cut);
    Buffer<unsigned char> storage(kLarge);
    EXPECT_FALSE(readPrefaulted(source, prefaulter, storage.data(), kLarge)) << cut;
    EXPECT_TRUE(std::equal(storage.begin(), storage.begin() + cut, data.begin())) << cut;
    // The same worker takes the next range.
    MemorySource whole(data.data(), data.size());
    ASSERT_TRUE(readPrefaulted(whole, prefaulter, storage.data(), kLarge)) << cut;
    EXPECT_TRUE(std::equal(storage.begin(), storage.end(), data.begin())) << cut;
  }
}

TEST(Prefaulter, WaitingWithoutARangeReturnsAtOnce) {
  Prefaulter prefaulter;
  prefaulter.waitFor(1);
  prefaulter.stop();
  std::vector<unsigned char> storage(kLarge);
  prefaulter.start(storage.data(), storage.size());
  prefaulter.waitFor(storage.size());
  prefaulter.stop();
  prefaulter.waitFor(1);
}

// Shape tables of several pieces each, so the load goes through the worker.
host::results::ResultData largeResult() {
  return host::results::encodeResultModel(host::results::makeSyntheticModel(40000, 32, 4));
}

TEST(Prefaulter, ALargeModelLoadsItsTablesWhole) {
  const host::results::ResultData data = largeResult();
  ASSERT_GE(data.shapes[0].size() * 4, std::size_t{4} << 20);
  test::RecordingServices services;
  CShakeplayDoc doc(services);
  ASSERT_EQ(test::load(doc, data), 0);
  for (int c = 0; c < 3; ++c) {
    EXPECT_TRUE(std::equal(doc.result().shape[c].begin(), doc.result().shape[c].end(), data.shapes[c].begin(),
                           data.shapes[c].end()))
        << c;
  }
}

TEST(Prefaulter, ALargeModelCutInsideATableIsReportedAsThatTable) {
  const host::results::ResultData data = largeResult();
  const std::vector<unsigned char> bytes = host::results::encodeResultFile(data);
  const std::vector<host::results::ResultItem> items = host::results::resultFileItems(data);
  const auto item =
      std::find_if(items.begin(), items.end(), [](const auto& i) { return i.name == "Y shapes of points"; });
  ASSERT_NE(item, items.end());
  for (const std::uint64_t cut : {item->offset + item->size / 3, item->offset + item->size - 1}) {
    test::RecordingServices services;
    CShakeplayDoc doc(services);
    MemorySource source(bytes.data(), cut);
    EXPECT_EQ(doc.readModelFrom(source), -1);
    EXPECT_EQ(services.out, "Cannot Read from dyn_post.res(u:2)\n");
    EXPECT_TRUE(services.boxes.empty());
  }
}

}  // namespace
}  // namespace shakeplay
