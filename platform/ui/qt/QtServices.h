// The window system's services: QMessageBox for message boxes, and modal dialogs shown through
// the binder (DialogWindow) on top of the active window, and the system clipboard.
#pragma once

#include "platform/ui/Services.h"

namespace ui::qt {

class QtServices final : public Services {
 public:
  int messageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  int runModal(Dialog& dialog) override;
  void setClipboard(const ClipboardContent& content) override;
  std::string clipboardText() override;
};

}  // namespace ui::qt
