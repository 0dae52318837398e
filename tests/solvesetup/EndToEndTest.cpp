// solvesetup as the host runs it: korvena-host creates a real block and starts the real tool
// under the X server of the test; xdotool drives the window as a user would; the test reads the
// JSON the host writes after the tool has ended. A picture of the screen is saved in the build
// folder on the way.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "platform/ui/Services.h"
#include "solvesetup/SolveSetupResources.h"
#include "tests/support/HostedTool.h"

namespace solvesetup::test {
namespace {

using Json = nlohmann::json;

// The host started on a time-domain analysis, with the window of solvesetup found.
class HostRun : public testsupport::HostedTool {
 public:
  HostRun()
      : HostedTool("solvesetup", R"({"DATA": {"analysisMode": 1, "samplingUnit": 1,
            "densityLevel": 0, "freqMin": 0.0, "freqMax": 0.002, "dampingKind": 2,
            "dampingA": 3.5, "dampingB": 0.0, "accepted": 0}})",
                   "SETTINGS input") {}
};

// The host started on a frequency-domain analysis with the given damping kind.
class FrequencyRun : public testsupport::HostedTool {
 public:
  explicit FrequencyRun(int dampingKind)
      : HostedTool("solvesetup",
                   R"({"DATA": {"analysisMode": 4, "densityLevel": 1, "freqMin": 2.5,
                       "freqMax": 480.0, "dampingA": 0.0375, "dampingB": 0.00021,
                       "accepted": 0, "dampingKind": )" +
                       std::to_string(dampingKind) + "}}",
                   "SETTINGS input") {}
};

const Json& fieldsOf(const Json& report) { return report.at("blocks").at(0).at("fields"); }

// The initial focus is on ACCEPT (the first tab stop), so the test clicks into the value field
// to give it the focus, selects the old text and types over it. Keys go through the X server to
// the focused window, as a keyboard's would.
void typeSamplingTime(const HostRun& run, const std::string& text) {
  run.clickControl(settingsTemplate(), IDC_VALUE);
  run.xdotool("key ctrl+a");
  run.xdotool("type --delay 30 " + text);
}

TEST(SolveSetupEndToEnd, TypedTimeConfirmedWithEnterLandsInBothFields) {
  HostRun run;
  ASSERT_TRUE(run.started()) << "no window named \"SETTINGS input\" appeared";
  typeSamplingTime(run, "0.0125");
  run.savePicture("solvesetup-e2e-time.png");
  run.xdotool("key Return");
  const Json report = run.finish();
  ASSERT_FALSE(report.is_discarded());
  const Json& fields = fieldsOf(report);
  EXPECT_EQ(fields.at("accepted"), 1);
  EXPECT_DOUBLE_EQ(fields.at("freqMax").get<double>(), 0.0125);
  EXPECT_DOUBLE_EQ(fields.at("freqMin").get<double>(), 0.0125);
  EXPECT_EQ(fields.at("samplingUnit"), 1);
  EXPECT_EQ(report.at("blocks").at(0).at("header").at("attachCount"), 0);
}

TEST(SolveSetupEndToEnd, EscapeLeavesTheHostsValues) {
  HostRun run;
  ASSERT_TRUE(run.started()) << "no window named \"SETTINGS input\" appeared";
  typeSamplingTime(run, "0.5");
  run.xdotool("key Escape");
  const Json report = run.finish();
  ASSERT_FALSE(report.is_discarded());
  const Json& fields = fieldsOf(report);
  EXPECT_EQ(fields.at("accepted"), 0);
  EXPECT_EQ(fields.at("freqMin").get<double>(), 0.0);
  EXPECT_EQ(fields.at("freqMax").get<double>(), 0.002);
}

// Without a window manager the server's focus goes to the root window when a modal child closes;
// the next press then reaches a dialog that turns active only while the button is held.

TEST(SolveSetupEndToEnd, FirstClickAfterTheDampingDialogClosedAccepts) {
  FrequencyRun run(2);
  ASSERT_TRUE(run.started()) << "no window named \"SETTINGS input\" appeared";
  run.clickControl(settingsTemplate(), IDC_SET);
  run.closeWithKey("MODAL damping", "Escape");
  run.holdClickControl(settingsTemplate(), ui::IDOK);
  const Json report = run.finish();
  ASSERT_FALSE(report.is_discarded());
  EXPECT_EQ(fieldsOf(report).at("accepted"), 1);
  EXPECT_EQ(fieldsOf(report).at("dampingKind"), 2);
}

TEST(SolveSetupEndToEnd, FirstClickAfterTheWarningOpensTheDampingDialog) {
  FrequencyRun run(1);
  ASSERT_TRUE(run.started()) << "no window named \"SETTINGS input\" appeared";
  run.clickControl(settingsTemplate(), IDC_VALUE);
  run.xdotool("key Tab Tab Home");  // through the density list to the damping list: NO DAMPING
  run.closeWithKey("Korvena Warning", "Return");
  run.holdClickControl(settingsTemplate(), IDC_SET);
  ASSERT_FALSE(testsupport::HostedTool::waitForWindow("RAYLAIGH damping").empty())
      << "the first click on Set opened nothing";
  run.closeWithKey("RAYLAIGH damping", "Escape");
  run.holdClickControl(settingsTemplate(), ui::IDOK);
  const Json report = run.finish();
  ASSERT_FALSE(report.is_discarded());
  EXPECT_EQ(fieldsOf(report).at("accepted"), 1);
  EXPECT_EQ(fieldsOf(report).at("dampingKind"), 1);
  EXPECT_DOUBLE_EQ(fieldsOf(report).at("dampingB").get<double>(), 0.00021);
}

TEST(SolveSetupEndToEnd, FirstClickIntoTheValueFieldAfterTheDampingDialogTakesTheTyping) {
  FrequencyRun run(2);
  ASSERT_TRUE(run.started()) << "no window named \"SETTINGS input\" appeared";
  run.clickControl(settingsTemplate(), IDC_SET);
  run.closeWithKey("MODAL damping", "Return");
  run.holdClickControl(settingsTemplate(), IDC_VALUE);
  run.xdotool("key ctrl+a");
  run.xdotool("type --delay 30 612.5");
  run.clickControl(settingsTemplate(), ui::IDOK);
  const Json report = run.finish();
  ASSERT_FALSE(report.is_discarded());
  EXPECT_EQ(fieldsOf(report).at("accepted"), 1);
  EXPECT_DOUBLE_EQ(fieldsOf(report).at("freqMax").get<double>(), 612.5);
  EXPECT_DOUBLE_EQ(fieldsOf(report).at("freqMin").get<double>(), 2.5);
}

}  // namespace
}  // namespace solvesetup::test
