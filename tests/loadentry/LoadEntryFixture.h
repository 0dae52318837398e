// Common ground of the input-dialog model tests: a host block with a three-point load under a
// load function, scripted services, a headless run of the real dialog checked to leave the
// block detached, and the block as it is expected after a run.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "loadentry/CLoadBcInputDlg.h"
#include "loadentry/LoadEntryResources.h"
#include "platform/ui/ModalRun.h"
#include "platform/ui/testing/ScriptedServices.h"
#include "tests/loadentry/InputBlock.h"
#include "tests/support/BlockBytes.h"

namespace loadentry::test {

using Bytes = std::vector<unsigned char>;

// The bytes with the fixed part changed as `change` says.
inline Bytes changed(Bytes bytes, const std::function<void(LoadBcInputBlock&)>& change) {
  LoadBcInputBlock block;
  std::memcpy(&block, bytes.data(), sizeof block);
  change(block);
  std::memcpy(bytes.data(), &block, sizeof block);
  return bytes;
}

// The id of the value edit of a point (column) and direction (row).
inline int valueId(int point, int direction) { return kGridIds.values[point][direction]; }

class LoadEntryTest : public testing::Test {
 protected:
  LoadEntryTest() {
    fillThreePointLoad(host);
    host.launch();
  }

  // Constructs the dialog on the block, runs it with the script and returns its result.
  int run(const std::function<void(CLoadBcInputDlg&)>& script) {
    CLoadBcInputDlg dialog;
    const int result = ui::runHeadless(dialog, [&](ui::Dialog&) {
      if (script) script(dialog);
    });
    EXPECT_EQ(host.header().attachCount, 0) << "the dialog detached the block";
    return result;
  }

  // Replaces a value field's text the way a user does: clear it, then type.
  static void typeValue(CLoadBcInputDlg& dialog, int point, int direction, const std::string& text) {
    ASSERT_TRUE(dialog.setText(valueId(point, direction), ""));
    for (const char ch : text) ASSERT_TRUE(dialog.typeChar(valueId(point, direction), ch));
  }

  // The block is `before` with its fixed part changed as `change` says, or with only the status.
  void expectChanged(const Bytes& before, const std::function<void(LoadBcInputBlock&)>& change,
                     const std::string& note = "") {
    EXPECT_TRUE(testsupport::sameBytes(host.snapshot(), changed(before, change))) << note;
  }
  void expectOnlyStatus(const Bytes& before, int status) {
    expectChanged(before, [status](LoadBcInputBlock& b) { b.status = status; });
  }

  InputBlock host{2};
  ui::testing::ScriptedServices services;
  ui::ScopedServices installed{services};
};

}  // namespace loadentry::test
