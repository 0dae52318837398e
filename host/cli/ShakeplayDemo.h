// korvena-host demo shakeplay: shakeplay has no block; its demo is the plate sample written to
// a result file of the host's own, shown, and removed afterwards.
#pragma once

namespace host::cli {

// Writes the plate sample into a private temporary folder, starts shakeplay on it (component
// DISPLACEMENT Z), waits and removes the folder whatever happened. Ends like `run`: a non-zero
// exit of shakeplay or a failure of the host is thrown as CLI::RuntimeError with its code.
void runShakeplayDemo();

}  // namespace host::cli
