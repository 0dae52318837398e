// shakeplay's resources as data: the model view's pop-up menu, the About dialog, the cursor and
// icon ids.
#pragma once

#include <array>

#include "platform/ui/DialogTemplate.h"
#include "shakeplay/navigation/ViewNavigation.h"

namespace shakeplay {

inline constexpr int IDR_MAINFRAME = 128;  // the application icon
inline constexpr int IDC_ZOOM = 143;       // the zoom cursor
inline constexpr int IDD_ABOUTBOX = 100;

struct MenuItem {
  const char* text;  // null: a separator
  int id;
  bool enabled;
};

// Pop-up menu 142 of the model view.
inline constexpr std::array<MenuItem, 5> kModelViewMenu{{
    {"Mode", ID_MODE, false},
    {nullptr, 0, false},
    {"Zoom x &2", ID_ZOOM_X2, true},
    {"Zoom x &4", ID_ZOOM_X4, true},
    {"&Restore", ID_RESTORE, true},
}};

// Dialog 100, "About shakeplay".
const ui::DialogTemplate& aboutTemplate();

}  // namespace shakeplay
