// curvedit as the host runs it: korvena-host creates real INFO and DATA blocks and starts the real
// tool under the X server of the test; xdotool drives the window as a user would; the test reads
// the JSON the host writes after the tool has ended.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "curvedit/CurveditResources.h"
#include "tests/support/HostedTool.h"

namespace curvedit::test {
namespace {

using Json = nlohmann::json;

// The host started on a ramp-hold-release time function, with the window of curvedit found by
// its class: its title is empty.
class HostRun : public testsupport::HostedTool {
 public:
  HostRun()
      : HostedTool("curvedit", R"({
            "INFO": {"minTimeStep": 0.05, "highestNaturalFrequency": 38.6,
                     "functionTitle": "TIME function :"},
            "DATA": {"functionName": "Ramp hold release", "status": 77, "pointCount": 4,
                     "abscissa": [0.0, 0.25, 1.5, 1.75], "ordinate": [0.0, 1.0, 1.0, 0.0]}})",
                   "^curvedit$", WindowMatch::Class) {}

  // Clicks into a number field, selects its text and types over it.
  void typeInto(int id, const std::string& text) const {
    clickControl(curveEditTemplate(), id);
    xdotool("key ctrl+a");
    xdotool("type --delay 30 " + text);
  }
};

const Json& dataOf(const Json& report) { return report.at("blocks").at(1).at("fields"); }

std::vector<double> leading(const Json& values, int n) {
  std::vector<double> taken;
  for (int i = 0; i < n; ++i) taken.push_back(values.at(static_cast<std::size_t>(i)).get<double>());
  return taken;
}

TEST(CurveditEndToEnd, TypedPointIsAppliedAsTheNewFunction) {
  HostRun run;
  ASSERT_TRUE(run.started()) << "no window of curvedit appeared";
  run.clickControl(curveEditTemplate(), IDC_NEW);
  run.typeInto(IDC_POINTX, "1.0");
  run.typeInto(IDC_POINTY, "0.75");
  run.clickControl(curveEditTemplate(), IDC_INPUT);
  run.savePicture("curvedit-e2e.png");
  run.clickControl(curveEditTemplate(), 1);
  const Json report = run.finish();
  ASSERT_FALSE(report.is_discarded());
  const Json& data = dataOf(report);
  EXPECT_EQ(data.at("status"), 3);
  EXPECT_EQ(data.at("pointCount"), 5);
  EXPECT_EQ(leading(data.at("abscissa"), 5), (std::vector<double>{0.0, 0.25, 1.0, 1.5, 1.75}));
  EXPECT_EQ(leading(data.at("ordinate"), 5), (std::vector<double>{0.0, 1.0, 0.75, 1.0, 0.0}));
  for (const Json& block : report.at("blocks")) {
    EXPECT_EQ(block.at("header").at("attachCount"), 0);
    EXPECT_EQ(block.at("header").at("attachedMark"), 1);
  }
}

TEST(CurveditEndToEnd, CancelLeavesTheHostsPoints) {
  HostRun run;
  ASSERT_TRUE(run.started()) << "no window of curvedit appeared";
  run.clickControl(curveEditTemplate(), IDC_DELETE);
  run.clickControl(curveEditTemplate(), 2);
  const Json report = run.finish();
  ASSERT_FALSE(report.is_discarded());
  const Json& data = dataOf(report);
  EXPECT_EQ(data.at("status"), 10);
  EXPECT_EQ(data.at("pointCount"), 4);
  EXPECT_EQ(leading(data.at("abscissa"), 4), (std::vector<double>{0.0, 0.25, 1.5, 1.75}));
  EXPECT_EQ(leading(data.at("ordinate"), 4), (std::vector<double>{0.0, 1.0, 1.0, 0.0}));
  EXPECT_EQ(report.at("blocks").at(1).at("header").at("attachCount"), 0);
}

// The time function starts at 0: switching X to LOG paints a log of zero. The warning comes up
// over the window once the paint is over, and the tool goes on with X linear again.
TEST(CurveditEndToEnd, LogOfZeroIsToldAndTheToolGoesOn) {
  HostRun run;
  ASSERT_TRUE(run.started()) << "no window of curvedit appeared";
  run.clickControl(curveEditTemplate(), IDC_XSCALE);
  run.sync();  // the list is open
  run.xdotool("key Down Return");
  const std::string box = testsupport::findWindow("--onlyvisible --name '^Korvena Error$'", 10);
  EXPECT_FALSE(box.empty()) << "no warning";
  run.xdotool("key Return");
  run.xdotool("windowfocus --sync " + run.window() + " key Escape");
  const Json report = run.finish();
  ASSERT_FALSE(report.is_discarded());
  EXPECT_EQ(report.at("exitCode"), 0);
  EXPECT_EQ(dataOf(report).at("status"), 10);
}

}  // namespace
}  // namespace curvedit::test
