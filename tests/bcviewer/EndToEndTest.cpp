// bcviewer as the host runs it: korvena-host creates a real block holding a two-point load and
// starts the real tool with -stat under the X server of the test; Enter closes the window; the
// block the host reads back is the one it wrote, byte for byte.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "tests/bcviewer/InfoBlock.h"
#include "tests/support/HostedTool.h"

namespace bcviewer::test {
namespace {

using Json = nlohmann::json;

std::string hexOf(const void* data, std::size_t n) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (std::size_t i = 0; i < n; ++i) {
    const auto byte = static_cast<const unsigned char*>(data)[i];
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 15];
  }
  return hex;
}

// The whole data area as one field of raw bytes, so that the report shows every byte.
std::string rawInput(const std::string& hex) {
  const Json input = {{"launch", "key"},
                      {"words", {"-stat"}},
                      {"blocks",
                       {{{"dataSize", kLoadBcInfoMinSize},
                         {"fields", {{{"offset", 0}, {"type", "bytes"}, {"value", hex}}}}}}}};
  return input.dump();
}

TEST(BcViewerEndToEnd, StaticViewClosedWithEnterLeavesTheBlockAsItWas) {
  const LoadBcInfoBlock load = twoPointPressure();
  const std::string hex = hexOf(&load, kLoadBcInfoMinSize);
  testsupport::HostedTool run("bcviewer", rawInput(hex), "Load/BC info");
  ASSERT_TRUE(run.started()) << "no window named \"Load/BC info\" appeared";
  run.savePicture("bcviewer-e2e-stat.png");
  run.xdotool("windowfocus --sync " + run.window());
  run.xdotool("key Return");
  const Json report = run.finish();
  ASSERT_FALSE(report.is_discarded());
  EXPECT_EQ(report.at("exitCode"), 0);
  EXPECT_EQ(report.at("arguments").at(1), "-stat");
  const Json& block = report.at("blocks").at(0);
  EXPECT_EQ(block.at("fields").at(0).at("value"), hex);
  EXPECT_EQ(block.at("header").at("attachCount"), 0);
  EXPECT_EQ(block.at("header").at("attachedMark"), 1);
  EXPECT_EQ(block.at("header").at("dataSize"), 507);
}

}  // namespace
}  // namespace bcviewer::test
