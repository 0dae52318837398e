#include "solvesetup/SolveSetupResources.h"

#include "platform/ui/Services.h"
#include "solvesetup/SolveSetupIcon.h"

namespace solvesetup {

using ui::ControlKind;
using ui::kAnonymous;
namespace style = ui::style;

namespace {
constexpr unsigned kNumberField = style::Border | style::AutoHScroll;
constexpr unsigned kSubDialog = style::Caption | style::ModalFrame;
}  // namespace

void registerIcon() { ui::RegisterIcon(IDR_MAINFRAME, settingsIcon()); }

const ui::DialogTemplate& settingsTemplate() {
  static const ui::DialogTemplate t{
      .id = IDD_SETTINGS,
      .caption = "SETTINGS input",
      .size = {205, 117},
      .style = style::Caption | style::SystemMenu | style::ModalFrame | style::AppWindow,
      .controls = {
          {ui::IDOK, ControlKind::DefPushButton, "ACCEPT", {26, 93, 50, 14}},
          {ui::IDCANCEL, ControlKind::PushButton, "Cancel", {132, 93, 50, 14}},
          {IDC_SAMPLING_LABEL, ControlKind::Static, "Sampling Time", {7, 10, 51, 10}},
          {IDC_FREQUENCY_LABEL, ControlKind::Static, "Freqency :", {7, 10, 36, 8}},
          {IDC_MINMAX_SPIN, ControlKind::UpDown, "Spin1", {48, 6, 9, 14}, style::ArrowKeys},
          {IDC_RANGE_LABEL, ControlKind::Static, "Max", {65, 9, 15, 8}},
          {IDC_VALUE, ControlKind::Edit, "", {82, 7, 75, 13}, kNumberField},
          {IDC_HZ, ControlKind::Static, "Hz", {159, 9, 10, 8}},
          {IDC_UNIT, ControlKind::DropDownList, "", {169, 7, 29, 38}, 0, {"lfp", "sec"}},
          {IDC_DENSITY_LABEL, ControlKind::Static, "Time Step Density", {7, 34, 66, 10}},
          {IDC_DENSITY, ControlKind::DropDownList, "", {75, 32, 64, 61}, 0, {"REGULAR", "HIGH", "SUPER"}},
          {IDC_LEVEL_CAPTION, ControlKind::Static, "level", {147, 33, 26, 11}},
          {IDC_DAMPING_CAPTION, ControlKind::Static, "Damping", {7, 57, 66, 10}},
          {IDC_DAMPING,
           ControlKind::DropDownList,
           "",
           {7, 71, 83, 57},
           0,
           {"NO DAMPING", "RAYLEIGH", "MODAL"}},
          {IDC_SET, ControlKind::PushButton, "Set", {109, 71, 28, 12}},
      }};
  return t;
}

const ui::DialogTemplate& rayleighTemplate() {
  static const ui::DialogTemplate t{.id = IDD_RAYLEIGH,
                                    .caption = "RAYLAIGH damping",
                                    .size = {130, 77},
                                    .style = kSubDialog,
                                    .controls = {
                                        {ui::IDOK, ControlKind::DefPushButton, "OK", {32, 56, 36, 14}},
                                        {ui::IDCANCEL, ControlKind::PushButton, "Cancel", {87, 56, 36, 14}},
                                        {kAnonymous, ControlKind::Static, "C = a*M + b*K", {7, 7, 116, 11}},
                                        {kAnonymous, ControlKind::Static, "a :", {7, 24, 20, 9}},
                                        {kAnonymous, ControlKind::Static, "b :", {7, 38, 20, 9}},
                                        {IDC_COEF_A, ControlKind::Edit, "", {32, 22, 91, 12}, kNumberField},
                                        {IDC_COEF_B, ControlKind::Edit, "", {32, 36, 91, 12}, kNumberField},
                                    }};
  return t;
}

const ui::DialogTemplate& modalDampingTemplate() {
  static const ui::DialogTemplate t{.id = IDD_MODAL_DAMPING,
                                    .caption = "MODAL damping",
                                    .size = {127, 58},
                                    .style = kSubDialog,
                                    .controls = {
                                        {ui::IDOK, ControlKind::DefPushButton, "OK", {31, 37, 36, 14}},
                                        {ui::IDCANCEL, ControlKind::PushButton, "Cancel", {84, 37, 36, 14}},
                                        {kAnonymous, ControlKind::Static, "CONSTANT,   %", {7, 7, 113, 11}},
                                        {kAnonymous, ControlKind::Static, "coef:", {7, 21, 20, 9}},
                                        {IDC_COEF_A, ControlKind::Edit, "", {31, 19, 89, 12}, kNumberField},
                                    }};
  return t;
}

}  // namespace solvesetup
