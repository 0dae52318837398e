#include "loadentry/LoadEntryResources.h"

#include "loadbc/LoadIcon.h"
#include "loadbc/LoadKinds.h"
#include "platform/ui/Icon.h"
#include "platform/ui/Services.h"

namespace loadentry {

using ui::ControlKind;
using ui::kAnonymous;
namespace style = ui::style;

namespace {
constexpr unsigned kValueField = style::Border | style::AutoHScroll;

const std::vector<std::string> kTypeItems(loadbc::kLoadTypeNames.begin(), loadbc::kLoadTypeNames.end());
}  // namespace

void registerIcon() { ui::RegisterIcon(IDR_MAINFRAME, loadbc::loadIcon()); }

const ui::DialogTemplate& loadInputTemplate() {
  static const ui::DialogTemplate t{
      .id = IDD_LOAD_INPUT,
      .caption = "Load/BC input",
      .size = {356, 130},
      .style = style::Caption | style::SystemMenu | style::ModalFrame | style::AppWindow,
      .controls = {
          {ui::IDOK, ControlKind::DefPushButton, "OK", {111, 109, 40, 15}},
          {IDC_RESET, ControlKind::PushButton, "Reset", {158, 109, 40, 14}},
          {ui::IDCANCEL, ControlKind::PushButton, "Cancel", {205, 109, 40, 14}},
          {kAnonymous, ControlKind::Static, "csys name : ", {7, 10, 52, 9}},
          {IDC_CSYS_NAME, ControlKind::Edit, "", {61, 6, 60, 12}, kValueField | style::ReadOnly},
          {kAnonymous, ControlKind::Static, "Dir.", {7, 25, 41, 12}},
          {kAnonymous, ControlKind::Static, "Type", {50, 25, 41, 12}},
          {IDC_HEADER_1, ControlKind::Static, "", {117, 25, 41, 12}},
          {IDC_HEADER_2, ControlKind::Static, "", {195, 25, 41, 12}},
          {IDC_HEADER_3, ControlKind::Static, "", {273, 25, 41, 12}},
          {kAnonymous, ControlKind::Static, "First", {7, 40, 33, 9}},
          {kAnonymous, ControlKind::Static, "Second", {7, 55, 33, 9}},
          {kAnonymous, ControlKind::Static, "Third", {7, 70, 33, 9}},
          {IDC_TYPE_1, ControlKind::DropDownList, "", {41, 37, 73, 42}, 0, kTypeItems},
          {IDC_TYPE_2, ControlKind::DropDownList, "", {41, 52, 73, 42}, 0, kTypeItems},
          {IDC_TYPE_3, ControlKind::DropDownList, "", {41, 67, 73, 42}, 0, kTypeItems},
          {1005, ControlKind::Edit, "", {117, 37, 76, 12}, kValueField},
          {1015, ControlKind::Edit, "", {117, 52, 76, 12}, kValueField},
          {1019, ControlKind::Edit, "", {117, 67, 76, 12}, kValueField},
          {88, ControlKind::Edit, "", {195, 37, 76, 12}, kValueField},
          {1016, ControlKind::Edit, "", {195, 52, 76, 12}, kValueField},
          {1020, ControlKind::Edit, "", {195, 67, 76, 12}, kValueField},
          {1010, ControlKind::Edit, "", {273, 37, 76, 12}, kValueField},
          {1017, ControlKind::Edit, "", {273, 52, 76, 12}, kValueField},
          {1021, ControlKind::Edit, "", {273, 67, 76, 12}, kValueField},
          {IDC_FUNCTION_LABEL, ControlKind::Static, "Time/Freq Func:", {19, 89, 53, 11}},
          {IDC_FUNCTION, ControlKind::DropDownList, "", {75, 88, 73, 67}},
      }};
  return t;
}

}  // namespace loadentry
