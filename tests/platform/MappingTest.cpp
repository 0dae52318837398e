#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "platform/CommandLine.h"
#include "platform/Mapping.h"

namespace {

std::string uniqueKey(const char* stem) { return std::string(stem) + std::to_string(getpid()); }

TEST(MappingName, EscapesPercentAndSlash) {
  EXPECT_EQ(platform::mappingName("KvData1"), "/KvData1");
  EXPECT_EQ(platform::mappingName("a/b%c:d"), "/a%2Fb%25c:d");
}

TEST(Mapping, HostCreatesToolOpensMapsAndSeesTheSameBytes) {
  const std::string key = uniqueKey("kvmaptest/");
  const platform::MappingHandle host = platform::createMapping(key, 64);
  ASSERT_NE(host, platform::kNoMapping);
  EXPECT_EQ(platform::createMapping(key, 64), platform::kNoMapping) << "names are exclusive";

  const platform::MappingHandle tool = platform::openMapping(key);
  ASSERT_NE(tool, platform::kNoMapping);
  std::size_t size = 0;
  auto* toolView = static_cast<unsigned char*>(platform::mapView(tool, &size));
  ASSERT_NE(toolView, nullptr);
  EXPECT_EQ(size, 64u);
  EXPECT_EQ(toolView[63], 0) << "new mappings are zero-filled";
  std::memcpy(toolView + 16, "hello", 5);

  auto* hostView = static_cast<unsigned char*>(platform::mapView(host));
  ASSERT_NE(hostView, nullptr);
  EXPECT_EQ(std::memcmp(hostView + 16, "hello", 5), 0);

  EXPECT_TRUE(platform::unmapView(toolView));
  EXPECT_FALSE(platform::unmapView(toolView)) << "a view is unmapped once";
  EXPECT_TRUE(platform::closeMapping(tool));
  EXPECT_TRUE(platform::unmapView(hostView));
  EXPECT_TRUE(platform::closeMapping(host));
  EXPECT_TRUE(platform::unlinkMapping(key));
  EXPECT_EQ(platform::openMapping(key), platform::kNoMapping);
  EXPECT_FALSE(platform::unlinkMapping(key));
}

TEST(Mapping, EmptyObjectCannotBeMapped) {
  const std::string key = uniqueKey("kvempty");
  const platform::MappingHandle handle = platform::createMapping(key, 0);
  ASSERT_NE(handle, platform::kNoMapping);
  EXPECT_EQ(platform::mapView(handle), nullptr);
  platform::closeMapping(handle);
  platform::unlinkMapping(key);
}

TEST(Mapping, InjectedFailuresHitOnlyTheNamedOperation) {
  const std::string key = uniqueKey("kvfail");
  platform::failNext(platform::MappingOp::Create);
  EXPECT_EQ(platform::createMapping(key, 32), platform::kNoMapping);
  const platform::MappingHandle handle = platform::createMapping(key, 32);
  ASSERT_NE(handle, platform::kNoMapping);

  platform::failNext(platform::MappingOp::Open, 2);
  EXPECT_EQ(platform::openMapping(key), platform::kNoMapping);
  EXPECT_EQ(platform::openMapping(key), platform::kNoMapping);
  const platform::MappingHandle opened = platform::openMapping(key);
  EXPECT_NE(opened, platform::kNoMapping);

  platform::failNext(platform::MappingOp::Map);
  EXPECT_EQ(platform::mapView(opened), nullptr);
  void* view = platform::mapView(opened);
  ASSERT_NE(view, nullptr);
  platform::failNext(platform::MappingOp::Unmap);
  EXPECT_FALSE(platform::unmapView(view));
  EXPECT_TRUE(platform::unmapView(view));
  platform::failNext(platform::MappingOp::Close);
  EXPECT_FALSE(platform::closeMapping(opened));
  platform::clearFailures();
  EXPECT_TRUE(platform::closeMapping(opened));
  platform::closeMapping(handle);
  platform::unlinkMapping(key);
}

TEST(CommandLine, WordsAreJoinedBySingleBlanks) {
  const char* argv[] = {"/opt/kv/solvesetup", "/TAG:DATA:SM:KvData1", "x"};
  platform::setCommandLine(3, argv);
  EXPECT_EQ(platform::commandLine(), "/opt/kv/solvesetup /TAG:DATA:SM:KvData1 x");
  platform::setCommandLine({});
  EXPECT_EQ(platform::commandLine(), "");
}

}  // namespace
