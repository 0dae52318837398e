// loadentry as the host runs it: korvena-host creates a real block holding a three-point load
// under a time function and starts the real tool under the X server of the test; the user types
// a displacement, is told it cannot stand under a load function, sees the corrected rows and
// confirms them with a second OK. A picture of the corrected dialog is saved on the way.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "loadentry/LoadEntryResources.h"
#include "tests/support/HostedTool.h"

namespace loadentry::test {
namespace {

using Json = nlohmann::json;

constexpr const char* kInput = R"({"BLOCK": {"status": 7, "distribution": 3,
    "pointName": ["n104", "mid", "n118"], "loadType": [1, 0, 0],
    "value": [0.0, -1500.0, 0.0, 0.0, -2250.0, 0.0, 0.0, -3125.25, 0.0],
    "functionKind": 1, "functionIndex": 1, "functionCount": 2, "csysName": "BEAM-LOCAL-2",
    "functionEntries": [{"name": "RAMP 0-0.5s"}, {"name": "HALF-SINE 20ms"}]}})";

constexpr const char* kBoxTitle = "Korvena: BC Check";

// A window whose title is `title`, waited for up to ten seconds or looked for once (empty: none).
std::string windowsNamed(const std::string& title, bool wait) {
  return testsupport::findWindow("--name '" + title + "'", wait ? 10 : 0);
}

TEST(LoadEntryEndToEnd, DisplacementUnderAFunctionIsCorrectedThenWrittenBySecondOk) {
  testsupport::HostedTool run("loadentry", kInput, "Load/BC input");
  ASSERT_TRUE(run.started()) << "no window named \"Load/BC input\" appeared";
  // A displacement of 2.5 at the first point of direction 1, then Enter: OK.
  run.clickControl(loadInputTemplate(), kGridIds.values[0][0]);
  run.xdotool("key ctrl+a");
  run.xdotool("type --delay 30 2.5");
  run.xdotool("key Return");
  ASSERT_FALSE(windowsNamed(kBoxTitle, true).empty()) << "no message box";
  run.xdotool("key Return");  // closes the box
  for (int i = 0; i < 50 && !windowsNamed(kBoxTitle, false).empty(); ++i) {
    testsupport::shell("sleep 0.1");
  }
  ASSERT_TRUE(windowsNamed(kBoxTitle, false).empty()) << "the box is still open";
  ASSERT_FALSE(windowsNamed("Load/BC input", false).empty()) << "the dialog stays open";
  run.savePicture("loadentry-e2e-corrected.png");
  run.xdotool("windowfocus --sync " + run.window());
  run.xdotool("key Return");  // the second OK writes the corrected rows

  const Json report = run.finish();
  ASSERT_FALSE(report.is_discarded());
  const Json& fields = report.at("blocks").at(0).at("fields");
  EXPECT_EQ(fields.at("status"), 1);
  EXPECT_EQ(fields.at("loadType"), Json::parse("[0, 0, 0]"));
  EXPECT_EQ(fields.at("value"), Json::parse("[0.0, -1500.0, 0.0, 0.0, -2250.0, 0.0, 0.0, -3125.2, 0.0]"))
      << "direction 1 back to zero; the others through their texts (-3125.25 shows as -3.1252e+03)";
  EXPECT_EQ(fields.at("functionIndex"), 1);
  EXPECT_EQ(report.at("blocks").at(0).at("header").at("attachCount"), 0);
}

}  // namespace
}  // namespace loadentry::test
