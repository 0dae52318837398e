#include "shakeplay/panel/ControlResources.h"

namespace shakeplay {

using ui::ControlKind;
using ui::kAnonymous;
namespace style = ui::style;

const ui::DialogTemplate& controlTemplate() {
  static const ui::DialogTemplate t{
      .id = IDD_CONTROL,
      .caption = "",
      .size = {356, 94},
      .style = 0,  // a child form: no caption, no frame
      .controls = {
          {IDC_TIME, ControlKind::Edit, "", {7, 59, 44, 14}, style::ReadOnly | style::Border},
          {IDC_DEFORMED, ControlKind::AutoCheckBox, "DEFORMED", {66, 63, 61, 10}},
          {IDC_PLAY, ControlKind::PushButton, "PLAY", {139, 59, 33, 14}},
          {IDC_STOP, ControlKind::PushButton, "STOP", {187, 59, 33, 14}},
          {IDC_RESET, ControlKind::PushButton, "RESET", {235, 59, 33, 14}},
          {kAnonymous, ControlKind::Static, "SPEED:", {293, 24, 27, 8}},
          {IDC_SPEED, ControlKind::DropDownList, "", {327, 22, 26, 82}, 0, {"1", "2", "3", "4", "5"}},
          {kAnonymous, ControlKind::Static, "COEF:", {297, 41, 22, 8}},
          {IDC_COEF,
           ControlKind::DropDownList,
           "",
           {327, 39, 26, 88},
           0,
           {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
          {kAnonymous, ControlKind::Static, "SMOOTH:", {285, 59, 34, 8}},
          {IDC_SMOOTH, ControlKind::DropDownList, "", {327, 57, 26, 76}, 0, {"1", "2", "3", "4", "5", "6"}},
      }};
  return t;
}

}  // namespace shakeplay
