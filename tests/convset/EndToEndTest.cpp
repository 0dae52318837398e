// convset as the host runs it: korvena-host creates a real block and starts the real tool under
// the X server of the test; xdotool clicks Default, then Accept, as a user would; the test reads
// the JSON the host writes after the tool has ended. A picture of the screen is saved on the way.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "convset/ConvSetResources.h"
#include "tests/support/HostedTool.h"

namespace convset::test {
namespace {

using Json = nlohmann::json;

// The template with the rows moved up as a structural analysis shows them, so that clicks land
// where the buttons are.
ui::DialogTemplate structuralLayout() {
  ui::DialogTemplate moved = convergenceTemplate();
  for (const ControlPlace& place : placesWithoutFrequencyRow()) {
    for (ui::ControlTemplate& control : moved.controls) {
      if (control.id == place.id) {
        control.rect.x = place.topLeft.x;
        control.rect.y = place.topLeft.y;
      }
    }
  }
  return moved;
}

TEST(ConvSetEndToEnd, DefaultThenAcceptWritesTheDefaultsAndClearsTheOptionalCriteria) {
  testsupport::HostedTool run("convset", R"({"BLOCK": {"analysisType": 0,
      "freqDispSelected": 7, "mainSelected": 1, "totalChangeSelected": 1,
      "localChangeSelected": 0, "totalErrorSelected": 1, "maxTracSelected": 1,
      "freqDispValue": 1.25, "mainValue": 2.5, "totalChangeValue": 4.0, "localChangeValue": 6.5,
      "totalErrorValue": 1.5, "maxTracValue": 20.0, "levelMin": 4, "levelMax": 7,
      "maxPasses": 11}})",
                              "CONVERGENCE data");
  ASSERT_TRUE(run.started()) << "no window named \"CONVERGENCE data\" appeared";
  const ui::DialogTemplate layout = structuralLayout();
  run.savePicture("convset-e2e-before.png");
  run.clickControl(layout, IDC_DEFAULT);
  run.savePicture("convset-e2e-default.png");
  run.clickControl(layout, 1);
  const Json report = run.finish();
  ASSERT_FALSE(report.is_discarded());
  const Json& block = report.at("blocks").at(0);
  const Json& fields = block.at("fields");
  EXPECT_EQ(block.at("header").at("attachCount"), 0);
  EXPECT_EQ(block.at("header").at("attachedMark"), 1);
  const Json expected = {{"analysisType", 0},
                         {"freqDispSelected", 7},
                         {"mainSelected", 1},
                         {"totalChangeSelected", 0},
                         {"localChangeSelected", 0},
                         {"totalErrorSelected", 0},
                         {"maxTracSelected", 0},
                         {"freqDispValue", 1.25},
                         {"mainValue", 3.0},
                         {"totalChangeValue", 5.0},
                         {"localChangeValue", 5.0},
                         {"totalErrorValue", 3.0},
                         {"maxTracValue", 30.0},
                         {"levelMin", 3},
                         {"levelMax", 9},
                         {"maxPasses", 15}};
  EXPECT_EQ(fields, expected) << fields.dump(1);
}

}  // namespace
}  // namespace convset::test
