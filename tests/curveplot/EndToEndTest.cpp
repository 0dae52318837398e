// Both programs as the host runs them on the demo curves: korvena-host creates the real blocks
// and starts the real tool under the X server of the test; the window opens with the block's
// caption, Escape ends it, and the host finds both blocks detached and as it wrote them. The
// screen pictures of the two windows are saved in the build folder on the way.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "host/layouts/Layouts.h"
#include "tests/support/HostedTool.h"

namespace curveplot::test {
namespace {

using Json = nlohmann::json;

// Runs the tool on its demo curve, saves a picture, ends it with Escape and checks the report.
void runDemo(const std::string& tool) {
  const Json input = Json::parse(host::findLayout(tool)->demoValues);
  const std::string caption = input.at("INFO").at("caption");
  testsupport::HostedTool run(tool, input.dump(), caption);
  ASSERT_TRUE(run.started()) << "no window named \"" << caption << "\" appeared";
  run.sync();
  run.savePicture(tool + "-demo.png");
  run.xdotool("windowfocus --sync " + run.window());
  run.xdotool("key Escape");
  const Json report = run.finish();
  ASSERT_FALSE(report.is_discarded());
  EXPECT_EQ(report.at("exitCode"), 0);
  for (const Json& block : report.at("blocks")) {
    const std::string name = block.at("name");
    EXPECT_EQ(block.at("header").at("attachCount"), 0) << name;
    EXPECT_EQ(block.at("header").at("attachedMark"), 1) << name;
    EXPECT_EQ(block.at("fields"), input.at(name)) << name;
  }
}

TEST(CurvePlotEndToEnd, DampedOscillatorOnTheLinearAxis) { runDemo("curveplot"); }

TEST(CurvePlotEndToEnd, FrequencyResponseOnTheDecadeAxis) { runDemo("curveplotb"); }

// Blocks without a curve: the tool says so in a box, and ends with code 1 once it is answered.
TEST(CurvePlotEndToEnd, TooFewRecordsAreRefused) {
  Json input = Json::parse(host::findLayout("curveplot")->demoValues);
  input["INFO"]["segmentCount"] = input["LINE"]["segments"].size() + 1;
  testsupport::HostedTool run("curveplot", input.dump(), "ERROR");
  ASSERT_TRUE(run.started()) << "no box named \"ERROR\" appeared";
  run.xdotool("windowfocus --sync " + run.window());
  run.xdotool("key Return");
  const Json report = run.finish(1);
  ASSERT_FALSE(report.is_discarded());
  EXPECT_EQ(report.at("exitCode"), 1);
  for (const Json& block : report.at("blocks")) {
    EXPECT_EQ(block.at("header").at("attachCount"), 0) << block.at("name");
  }
}

}  // namespace
}  // namespace curveplot::test
