// The start of a tool that cannot use its blocks: it says so in one box and ends unseen.
#pragma once

#include "platform/ui/Dialog.h"
#include "platform/ui/testing/ScriptedServices.h"

namespace testsupport {

// Runs the dialog headless and expects it to end with Cancel before it is shown, after exactly
// one box "Cannot attach shared memory segment." captioned "ERROR" (the only box in `services`).
void expectRefusedStart(ui::Dialog& dialog, const ui::testing::ScriptedServices& services);

}  // namespace testsupport
