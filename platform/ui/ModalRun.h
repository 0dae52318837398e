// Running dialogs without a window system: the modal lifecycle driven by a script, and the
// application runner that does what a tool's InitInstance does.
#pragma once

#include <functional>
#include <memory>

namespace ui {

class Dialog;

// Sends the user's events to a running dialog.
using Script = std::function<void(Dialog&)>;

// create (OnInitDialog), show (OnShowWindow; skipped when OnInitDialog already ended the
// dialog), the script, destroy. Returns the result given to EndDialog, or -1 when the script
// left the dialog open.
int runHeadless(Dialog& dialog, const Script& script);

// Constructs the main dialog, runs it modally through services(), destroys it; returns the exit
// code of the process: 0, or 1 when makeDialog gave no dialog (the tool cannot start; it has
// said why).
int runMainDialog(const std::function<std::unique_ptr<Dialog>()>& makeDialog);

}  // namespace ui
