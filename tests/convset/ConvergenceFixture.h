// Common ground of the convergence-dialog model tests: a host block, scripted services, and a
// headless run of the real dialog on the block, checked to leave the block detached.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "convset/CConvergenceDlg.h"
#include "convset/ConvSetResources.h"
#include "convset/ConvergenceKinds.h"
#include "platform/ui/ModalRun.h"
#include "platform/ui/testing/ScriptedServices.h"
#include "tests/convset/ConvergenceHost.h"

namespace convset::test {

class ConvergenceTest : public testing::Test {
 public:
  ConvergenceTest() { host.launch(); }

  // Fills the block with an analysis of this kind (then adjusted), constructs the dialog on it,
  // runs it with the script and returns its result.
  int run(int kind, const std::function<void(CConvergenceDlg&)>& script,
          const std::function<void(ConvergenceBlock&)>& adjust = {}) {
    fillAnalysis(host.data(), kind);
    if (adjust) adjust(host.data());
    before = host.snapshot();
    CConvergenceDlg dialog;
    const int result = ui::runHeadless(dialog, [&](ui::Dialog&) {
      if (script) script(dialog);
    });
    EXPECT_EQ(host.header().attachCount, 0) << "the dialog detached the block";
    return result;
  }

  // The data area as it was before the run, with the fields as `change` sets them.
  std::vector<unsigned char> expected(const std::function<void(ConvergenceBlock&)>& change) const {
    return withFields(before, change);
  }

  ConvergenceHost host;
  std::vector<unsigned char> before;
  ui::testing::ScriptedServices services;
  ui::ScopedServices installed{services};

  // Replaces the text of an edit the way a user does: focus, select all, type.
  static void type(CConvergenceDlg& dialog, int id, const std::string& text) {
    ASSERT_TRUE(dialog.setText(id, ""));
    for (const char ch : text) ASSERT_TRUE(dialog.typeChar(id, ch));
  }
  // One press of an up-down's arrow, with the delta the control sends for it.
  static void arrow(CConvergenceDlg& dialog, int id, bool up) {
    ASSERT_TRUE(dialog.upDown(id, dialog.arrowDelta(id, up)));
  }
};

}  // namespace convset::test
