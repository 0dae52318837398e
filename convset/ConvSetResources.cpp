#include "convset/ConvSetResources.h"

#include "convset/ConvSetIcon.h"
#include "platform/ui/Services.h"

namespace convset {

using ui::ControlKind;
namespace style = ui::style;

namespace {
constexpr unsigned kNumberField = style::Border | style::AutoHScroll;
constexpr unsigned kLevelSpin = style::AutoBuddy | style::AlignRight | style::ArrowKeys;
}  // namespace

void registerIcon() { ui::RegisterIcon(IDR_MAINFRAME, convergenceIcon()); }

const ui::DialogTemplate& convergenceTemplate() {
  static const ui::DialogTemplate t{
      .id = IDD_CONVERGENCE,
      .caption = "CONVERGENCE data",
      .size = {227, 234},
      .style = style::Caption | style::ModalFrame | style::SetForeground | style::AppWindow,
      .controls = {
          {IDC_CRITERION_HEADER, ControlKind::Static, "criterion", {21, 7, 53, 9}},
          {IDC_VALUE_HEADER, ControlKind::Static, "value (%)", {141, 7, 53, 9}},
          {IDC_DISPLACEMENT, ControlKind::AutoCheckBox, "Max Displacement BC Error", {16, 19, 111, 13}},
          {IDC_DISPLACEMENT_VALUE, ControlKind::Edit, "", {141, 19, 70, 13}, kNumberField},
          {IDC_FREQUENCY, ControlKind::AutoCheckBox, "Frequency", {16, 38, 76, 13}},
          {IDC_FREQUENCY_VALUE, ControlKind::Edit, "", {141, 38, 70, 13}, kNumberField},
          {IDC_TOTAL_CHANGE,
           ControlKind::AutoRadioButton,
           "Total RMS Trac BC Error Change",
           {16, 56, 122, 10}},
          {IDC_TOTAL_CHANGE_VALUE, ControlKind::Edit, "", {141, 56, 70, 13}, kNumberField},
          {IDC_LOCAL_CHANGE,
           ControlKind::AutoRadioButton,
           "Local RMS Trac BC Error Change",
           {16, 73, 122, 10},
           style::Group},
          {IDC_LOCAL_CHANGE_VALUE, ControlKind::Edit, "", {141, 73, 70, 13}, kNumberField},
          {IDC_TOTAL_ERROR, ControlKind::AutoCheckBox, "Total RMS Trac BC Error", {16, 95, 95, 10}},
          {IDC_TOTAL_ERROR_VALUE, ControlKind::Edit, "", {141, 95, 70, 13}, kNumberField},
          {IDC_MAX_TRAC, ControlKind::AutoCheckBox, "Max Trac BC Error", {16, 115, 76, 13}},
          {IDC_MAX_TRAC_VALUE, ControlKind::Edit, "", {141, 115, 70, 13}, kNumberField},
          {IDC_MIN_HEADER, ControlKind::Static, "min", {143, 136, 18, 9}},
          {IDC_MAX_HEADER, ControlKind::Static, "max", {180, 136, 17, 9}},
          {IDC_LEVEL_CAPTION, ControlKind::Static, "Accuracy Level", {18, 149, 56, 11}},
          {IDC_LEVEL_MIN, ControlKind::Edit, "", {141, 145, 27, 16}, kNumberField},
          {IDC_LEVEL_MIN_SPIN, ControlKind::UpDown, "", {165, 145, 9, 16}, kLevelSpin},
          {IDC_LEVEL_MAX, ControlKind::Edit, "", {178, 145, 28, 16}, kNumberField},
          {IDC_LEVEL_MAX_SPIN, ControlKind::UpDown, "", {203, 145, 9, 16}, kLevelSpin},
          {IDC_PASSES_CAPTION, ControlKind::Static, "Max No of Passes", {18, 176, 64, 11}},
          {IDC_PASSES, ControlKind::Edit, "", {141, 173, 70, 13}, kNumberField},
          {ui::IDOK, ControlKind::DefPushButton, "Accept", {28, 205, 50, 14}},
          {ui::IDCANCEL, ControlKind::PushButton, "Cancel", {89, 205, 50, 14}},
          {IDC_DEFAULT, ControlKind::PushButton, "Default", {150, 205, 50, 14}},
      }};
  return t;
}

const std::vector<ControlPlace>& placesWithoutFrequencyRow() {
  static const std::vector<ControlPlace> places = {
      {IDC_TOTAL_CHANGE, {16, 40}},
      {IDC_TOTAL_CHANGE_VALUE, {141, 38}},
      {IDC_LOCAL_CHANGE, {16, 59}},
      {IDC_LOCAL_CHANGE_VALUE, {141, 56}},
      {IDC_TOTAL_ERROR, {16, 78}},
      {IDC_TOTAL_ERROR_VALUE, {141, 76}},
      {IDC_MAX_TRAC, {16, 98}},
      {IDC_MAX_TRAC_VALUE, {141, 96}},
      {IDC_MIN_HEADER, {141, 118}},
      {IDC_MAX_HEADER, {181, 118}},
      {IDC_LEVEL_CAPTION, {16, 131}},
      {IDC_LEVEL_MIN, {141, 128}},
      {IDC_LEVEL_MIN_SPIN, {158, 128}},
      {IDC_LEVEL_MAX, {181, 128}},
      {IDC_LEVEL_MAX_SPIN, {198, 128}},
      {IDC_PASSES_CAPTION, {16, 158}},
      {IDC_PASSES, {141, 156}},
      {1, {29, 183}},
      {2, {90, 183}},
      {IDC_DEFAULT, {151, 183}},
  };
  return places;
}

}  // namespace convset
