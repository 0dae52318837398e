// Dialog 100, "About shakeplay": the application icon, the version text and OK.
#pragma once

#include "platform/ui/Dialog.h"

namespace shakeplay {

class CAboutDlg final : public ui::Dialog {
 public:
  CAboutDlg();
  // Where the icon is drawn, in dialog units.
  static constexpr ui::Rect kIconRect{11, 17, 20, 20};

 protected:
  void OnPaint(ui::Painter& painter) override;
};

// Files the application icon under its resource id; the program does it at start-up (once:
// later calls change nothing).
void registerApplicationIcon();

}  // namespace shakeplay
