#include "tests/support/AttachFailure.h"

#include <gtest/gtest.h>

#include "platform/ui/ModalRun.h"

namespace testsupport {

void expectEndsWithAttachMessage(ui::Dialog& dialog, ui::testing::ScriptedServices& services) {
  const int result = ui::runHeadless(dialog, [](ui::Dialog&) { ADD_FAILURE() << "the dialog was shown"; });
  EXPECT_EQ(result, ui::IDCANCEL);
  ASSERT_EQ(services.boxes().size(), 1u);
  EXPECT_EQ(services.boxes()[0].text, "Cannot attach shared memory segment.");
  EXPECT_EQ(services.boxes()[0].caption, "ERROR");
  services = {};
}

}  // namespace testsupport
