#include "curvedit/CurveditResources.h"

#include "curvedit/CurveditIcon.h"
#include "platform/ui/Services.h"

namespace curvedit {

using ui::ControlKind;
using ui::kAnonymous;
namespace style = ui::style;

namespace {
constexpr unsigned kNumberField = style::Border | style::AutoHScroll;
}  // namespace

void registerIcon() { ui::RegisterIcon(IDR_MAINFRAME, curveditIcon()); }

const ui::DialogTemplate& curveEditTemplate() {
  static const ui::DialogTemplate t{
      .id = IDD_CURVEDIT,
      .caption = "",
      .size = {370, 327},
      .style = style::Caption | style::SystemMenu | style::ModalFrame | style::AppWindow,
      .controls = {
          {ui::IDOK, ControlKind::PushButton, "APPLY", {240, 306, 50, 14}},
          {ui::IDCANCEL, ControlKind::PushButton, "CANCEL", {316, 306, 50, 14}},
          {IDC_CAPTION, ControlKind::Static, "FREQUENCY function : Some Freq Name", {3, 311, 230, 9}},
          {kAnonymous, ControlKind::Static, "GRAPH BOX", {65, 5, 43, 8}},
          {kAnonymous, ControlKind::Static, "min", {46, 15, 12, 8}},
          {kAnonymous, ControlKind::Static, "max", {119, 15, 14, 8}},
          {kAnonymous, ControlKind::Static, "X", {8, 26, 8, 8}},
          {kAnonymous, ControlKind::Static, "Y", {8, 46, 8, 8}},
          {IDC_XMIN, ControlKind::Edit, "", {20, 23, 68, 16}, kNumberField},
          {IDC_XMAX, ControlKind::Edit, "", {94, 23, 68, 16}, kNumberField},
          {IDC_YMIN, ControlKind::Edit, "", {20, 42, 68, 16}, kNumberField},
          {IDC_YMAX, ControlKind::Edit, "", {94, 42, 68, 16}, kNumberField},
          {IDC_DEFINE, ControlKind::PushButton, "DEFINE", {21, 66, 58, 15}},
          {IDC_REFIT, ControlKind::PushButton, "REFIT", {99, 66, 58, 15}},
          {kAnonymous, ControlKind::Static, "Select", {223, 8, 21, 8}},
          {IDC_SPIN, ControlKind::UpDown, "", {253, 5, 30, 14}, style::Horizontal | style::ArrowKeys},
          {kAnonymous, ControlKind::Static, "X", {201, 26, 8, 8}},
          {kAnonymous, ControlKind::Static, "Y", {201, 45, 8, 8}},
          {IDC_POINTX, ControlKind::Edit, "", {221, 23, 68, 16}, kNumberField},
          {IDC_POINTY, ControlKind::Edit, "", {221, 42, 68, 16}, kNumberField},
          {IDC_NEW, ControlKind::PushButton, "NEW", {219, 66, 35, 15}},
          {IDC_INPUT, ControlKind::PushButton, "INPUT", {261, 66, 49, 15}},
          {IDC_DELETE, ControlKind::PushButton, "DELETE", {317, 66, 49, 15}},
          {kAnonymous, ControlKind::Static, "SCALE", {307, 8, 24, 8}},
          {IDC_XSCALE, ControlKind::DropDownList, "", {297, 24, 53, 61}, 0, {"LINEAR", "LOG"}},
          {IDC_YSCALE, ControlKind::DropDownList, "", {297, 43, 53, 64}, 0, {"LINEAR", "LOG"}},
          {IDC_GRAPHBOX, ControlKind::GroupBox, "", {3, 83, 363, 216}, style::Flat | style::Disabled},
      }};
  return t;
}

const ui::DialogTemplate& aboutTemplate() {
  static const ui::DialogTemplate t{
      .id = IDD_ABOUTBOX,
      .caption = "About curvedit",
      .size = {217, 55},
      .style = style::Caption | style::SystemMenu | style::ModalFrame,
      .controls = {
          {kAnonymous, ControlKind::Static, std::to_string(IDR_MAINFRAME), {11, 17, 20, 20}, style::Icon},
          {kAnonymous, ControlKind::Static, "curvedit Version 1.0", {40, 10, 119, 8}},
          {ui::IDOK, ControlKind::DefPushButton, "OK", {178, 7, 32, 14}, style::Group},
      }};
  return t;
}

}  // namespace curvedit
