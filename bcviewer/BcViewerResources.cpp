#include "bcviewer/BcViewerResources.h"

#include "loadbc/LoadIcon.h"
#include "platform/ui/Icon.h"
#include "platform/ui/Services.h"

namespace bcviewer {

using ui::ControlKind;
using ui::kAnonymous;
namespace style = ui::style;

namespace {
constexpr unsigned kShownText = style::Border | style::AutoHScroll | style::ReadOnly;
}  // namespace

void registerIcon() { ui::RegisterIcon(IDR_MAINFRAME, loadbc::loadIcon()); }

const ui::DialogTemplate& loadInfoTemplate() {
  static const ui::DialogTemplate t{
      .id = IDD_LOAD_INFO,
      .caption = "Load/BC info",
      .size = {349, 106},
      .style = style::Caption | style::SystemMenu | style::ModalFrame | style::AppWindow,
      .controls = {
          {ui::IDOK, ControlKind::DefPushButton, "OK", {151, 85, 47, 14}},
          {IDC_CSYS_CAPTION, ControlKind::Static, "csys name : ", {7, 7, 48, 12}},
          {IDC_CSYS_NAME, ControlKind::Edit, "", {61, 7, 61, 13}, kShownText},
          {IDC_FUNCTION_CAPTION, ControlKind::Static, "load func :", {134, 7, 35, 12}},
          {IDC_FUNCTION_NAME, ControlKind::Edit, "", {171, 7, 93, 13}, kShownText},
          {IDC_DIR_CAPTION, ControlKind::Static, "Dir.", {13, 23, 29, 10}},
          {IDC_TYPE_CAPTION, ControlKind::Static, "Type", {45, 23, 36, 10}},
          {IDC_HEADER_1, ControlKind::Static, "PNT01", {109, 23, 42, 10}},
          {IDC_HEADER_2, ControlKind::Static, "PNT02", {187, 23, 42, 10}},
          {IDC_HEADER_3, ControlKind::Static, "PNT03", {265, 23, 42, 10}},
          {kAnonymous, ControlKind::Static, "First", {14, 37, 29, 11}},
          {kAnonymous, ControlKind::Static, "Second", {14, 53, 29, 11}},
          {kAnonymous, ControlKind::Static, "Third", {14, 67, 29, 11}},
          {IDC_TYPE_1, ControlKind::Edit, "", {46, 35, 59, 15}, kShownText},
          {IDC_TYPE_2, ControlKind::Edit, "", {46, 49, 59, 15}, kShownText},
          {IDC_TYPE_3, ControlKind::Edit, "", {46, 64, 59, 15}, kShownText},
          {1011, ControlKind::Edit, "", {109, 35, 77, 15}, kShownText},
          {1012, ControlKind::Edit, "", {109, 49, 77, 15}, kShownText},
          {1013, ControlKind::Edit, "", {109, 64, 77, 15}, kShownText},
          {1014, ControlKind::Edit, "", {187, 35, 77, 15}, kShownText},
          {1015, ControlKind::Edit, "", {187, 49, 77, 15}, kShownText},
          {1016, ControlKind::Edit, "", {187, 64, 77, 15}, kShownText},
          {1017, ControlKind::Edit, "", {265, 35, 77, 15}, kShownText},
          {1018, ControlKind::Edit, "", {265, 49, 77, 15}, kShownText},
          {1019, ControlKind::Edit, "", {265, 64, 77, 15}, kShownText},
      }};
  return t;
}

}  // namespace bcviewer
