#include "tests/support/RefusedStart.h"

#include <gtest/gtest.h>

#include "platform/ui/ModalRun.h"
#include "platform/ui/Services.h"

namespace testsupport {

void expectRefusedStart(ui::Dialog& dialog, const ui::testing::ScriptedServices& services) {
  const int result =
      ui::runHeadless(dialog, [](ui::Dialog&) { ADD_FAILURE() << "the dialog was shown"; });
  EXPECT_EQ(result, ui::IDCANCEL);
  ASSERT_EQ(services.boxes().size(), 1u);
  EXPECT_EQ(services.boxes()[0].text, "Cannot attach shared memory segment.");
  EXPECT_EQ(services.boxes()[0].caption, "ERROR");
}

}  // namespace testsupport
