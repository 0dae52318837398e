#include "shakeplay/app/DocServices.h"

#include "platform/FormatText.h"
#include "platform/ui/Services.h"
#include "shakeplay/core/Messages.h"

namespace shakeplay {

void DocServices::messageBox(const std::string& text, const std::string& caption, MessageIcon icon) {
  ui::services().messageBox(
      text, caption, ui::MB_OK | (icon == MessageIcon::Error ? ui::MB_ICONSTOP : ui::MB_ICONEXCLAMATION));
}

void reportNoOpenGL(const std::string& reason) {
  ui::services().messageBox(platform::formatText(kNoOpenGL, reason.c_str()), messages::kCaptionError,
                            ui::MB_OK | ui::MB_ICONSTOP);
}

}  // namespace shakeplay
