// Common ground of the settings-dialog model tests: a host block, scripted services, and a
// headless run of the real dialog on the block, checked to leave the block detached.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "platform/ui/ModalRun.h"
#include "platform/ui/testing/ScriptedServices.h"
#include "solvesetup/CSettingsDlg.h"
#include "solvesetup/SolveSetupResources.h"
#include "tests/solvesetup/SettingsBlock.h"

namespace solvesetup::test {

class SettingsTest : public testing::Test {
 protected:
  SettingsTest() { host.launchWith(); }

  // Constructs the dialog on the block, runs it with the script and returns its result.
  int run(const std::function<void(CSettingsDlg&)>& script) {
    CSettingsDlg dialog;
    const int result = ui::runHeadless(dialog, [&](ui::Dialog&) {
      if (script) script(dialog);
    });
    EXPECT_EQ(host.header().attachCount, 0) << "the dialog detached the block";
    return result;
  }

  // Replaces the text of the value field the way a user does: focus, select all, type.
  static void typeValue(CSettingsDlg& dialog, const std::string& text) {
    ASSERT_TRUE(dialog.setText(IDC_VALUE, ""));
    for (const char ch : text) ASSERT_TRUE(dialog.typeChar(IDC_VALUE, ch));
  }

  SettingsBlock host;
  ui::testing::ScriptedServices services;
  ui::ScopedServices installed{services};
};

}  // namespace solvesetup::test
