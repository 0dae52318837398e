// What every dialog tool does when it has no usable block: it says so in one box and its
// dialog ends as it opens, never shown.
#pragma once

#include "platform/ui/Dialog.h"
#include "platform/ui/testing/ScriptedServices.h"

namespace testsupport {

// Runs the constructed dialog headlessly and expects it to end with Cancel before it is shown,
// the box "Cannot attach shared memory segment." / "ERROR" being the only one; then forgets the
// boxes recorded so far.
void expectEndsWithAttachMessage(ui::Dialog& dialog, ui::testing::ScriptedServices& services);

}  // namespace testsupport
