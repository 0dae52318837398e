// A dialog model shown in a real window by the binder, for offscreen render tests.
#pragma once

#include <memory>

#include "platform/ui/qt/DialogWindow.h"

namespace testsupport {

// Gives the dialog the base units of its template's font, creates it, shows it in a window and
// lets Qt lay it out. The window must go before the dialog is destroyed.
std::unique_ptr<ui::qt::DialogWindow> showInWindow(ui::Dialog& dialog);

}  // namespace testsupport
