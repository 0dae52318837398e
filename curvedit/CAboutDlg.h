// The About box of curvedit, opened from the system menu.
#pragma once

#include "runtime/skeleton/CPrettyDialog.h"

class CAboutDlg : public CPrettyDialog {
 public:
  explicit CAboutDlg(ui::Dialog* parent = nullptr);
};
