// Common ground of the editing-dialog tests: the host's blocks with a ramp-hold-release time
// function, scripted services, and a headless run of the real dialog that must leave every
// block detached.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "curvedit/CCurveEditDlg.h"
#include "curvedit/CurveditResources.h"
#include "platform/ui/ModalRun.h"
#include "platform/ui/testing/RecordingPainter.h"
#include "platform/ui/testing/ScriptedServices.h"
#include "tests/curvedit/FunctionHost.h"

namespace curvedit::test {

// The limits of an axis as one value, to compare both in one assertion.
using Limits = std::pair<double, double>;
inline Limits limits(const Axis& axis) { return {axis.min, axis.max}; }

class CurveEditTest : public testing::Test {
 protected:
  CurveEditTest() {
    host.timeFunction(rampHoldRelease());
    host.launch();
  }

  // Constructs the dialog on the blocks, runs it with the script and returns its result.
  int run(const std::function<void(CCurveEditDlg&)>& script) {
    CCurveEditDlg dialog;
    const int result = ui::runHeadless(dialog, [&](ui::Dialog&) { script(dialog); });
    EXPECT_EQ(host.infoBlock().header().attachCount, 0) << "INFO detached";
    EXPECT_EQ(host.dataBlock().header().attachCount, 0) << "DATA detached";
    return result;
  }

  // Runs the script, then closes the dialog with Escape.
  void edit(const std::function<void(CCurveEditDlg&)>& script) {
    run([&](CCurveEditDlg& dialog) {
      script(dialog);
      dialog.pressEscape();
    });
  }

  // The user types the text over the field's own.
  static void type(CCurveEditDlg& dialog, int id, const std::string& text) {
    ASSERT_TRUE(dialog.setText(id, text)) << "control " << id;
  }
  static void typePoint(CCurveEditDlg& dialog, const std::string& x, const std::string& y) {
    type(dialog, IDC_POINTX, x);
    type(dialog, IDC_POINTY, y);
  }
  static void typeLimits(CCurveEditDlg& dialog, const std::string& xMin, const std::string& xMax,
                         const std::string& yMin, const std::string& yMax) {
    type(dialog, IDC_XMIN, xMin);
    type(dialog, IDC_XMAX, xMax);
    type(dialog, IDC_YMIN, yMin);
    type(dialog, IDC_YMAX, yMax);
  }
  // Typed limits taken with DEFINE; a typed point taken with INPUT, after NEW for addPoint.
  static void define(CCurveEditDlg& dialog, const std::string& xMin, const std::string& xMax,
                     const std::string& yMin, const std::string& yMax) {
    typeLimits(dialog, xMin, xMax, yMin, yMax);
    ASSERT_TRUE(dialog.click(IDC_DEFINE));
  }
  static void input(CCurveEditDlg& dialog, const std::string& x, const std::string& y) {
    typePoint(dialog, x, y);
    ASSERT_TRUE(dialog.click(IDC_INPUT));
  }
  static void addPoint(CCurveEditDlg& dialog, const std::string& x, const std::string& y) {
    ASSERT_TRUE(dialog.click(IDC_NEW));
    input(dialog, x, y);
  }
  static void paint(CCurveEditDlg& dialog) {
    ui::testing::RecordingPainter painter;
    dialog.paint(painter);
  }

  // Texts of the message boxes shown so far.
  std::vector<std::string> boxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : services.boxes()) texts.push_back(box.text);
    return texts;
  }

  FunctionHost host;
  ui::testing::ScriptedServices services;
  ui::ScopedServices installed{services};
};

}  // namespace curvedit::test
