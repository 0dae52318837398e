#include "shakeplay/app/AboutDialog.h"

#include "platform/ui/DialogUnits.h"
#include "platform/ui/Painter.h"
#include "platform/ui/Services.h"
#include "shakeplay/app/Resources.h"
#include "shakeplay/app/ShakeplayPictures.h"

namespace shakeplay {

const ui::DialogTemplate& aboutTemplate() {
  static const ui::DialogTemplate dialog{
      IDD_ABOUTBOX,
      "About shakeplay",
      {217, 55},
      ui::style::Caption | ui::style::SystemMenu | ui::style::ModalFrame,
      {
          {ui::kAnonymous, ui::ControlKind::Static, "shakeplay Version 1.0", {40, 10, 119, 8}},
          {ui::IDOK, ui::ControlKind::DefPushButton, "OK", {178, 7, 32, 14}, ui::style::Group},
      }};
  return dialog;
}

void registerApplicationIcon() { ui::RegisterIcon(IDR_MAINFRAME, applicationIcon()); }

CAboutDlg::CAboutDlg() : ui::Dialog(aboutTemplate()) {}

void CAboutDlg::OnPaint(ui::Painter& painter) {
  const ui::Rect at = ui::dialogToPixels(kIconRect, baseUnits());
  painter.DrawIcon(at.x, at.y, ui::LoadIcon(IDR_MAINFRAME));
}

}  // namespace shakeplay
