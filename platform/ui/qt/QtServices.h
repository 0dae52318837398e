// The window system's services: QMessageBox for message boxes, modal dialogs shown through the
// binder (DialogWindow) on top of the active window, and the system's clipboard.
#pragma once

#include "platform/ui/Services.h"

namespace ui::qt {

class QtServices final : public Services {
 public:
  int messageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  int runModal(Dialog& dialog) override;
  void setClipboardText(const std::string& text) override;
  std::string clipboardText() override;
};

}  // namespace ui::qt
