// The window system's services: QMessageBox for message boxes, and modal dialogs shown through
// the binder (DialogWindow) on top of the active window.
#pragma once

#include "platform/ui/Services.h"

namespace ui::qt {

class QtServices final : public Services {
 public:
  int messageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  int runModal(Dialog& dialog) override;
};

}  // namespace ui::qt
