// The dialog resource of convset, as a template, the ids its code addresses, and the places of
// the rows when the frequency row is left out.
#pragma once

#include <vector>

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Geometry.h"

namespace convset {

// The application icon (resource 128).
inline constexpr int IDR_MAINFRAME = 128;
// Files the application icon in the icon table; main does it before the first window opens.
void registerIcon();

// The convergence dialog (resource 102).
inline constexpr int IDD_CONVERGENCE = 102;
inline constexpr int IDC_DEFAULT = 3;
inline constexpr int IDC_FREQUENCY = 1008;     // "Frequency" check box, frequency analysis only
inline constexpr int IDC_DISPLACEMENT = 1007;  // "Max Displacement BC Error" check box
inline constexpr int IDC_DISPLACEMENT_VALUE = 1010;
inline constexpr int IDC_FREQUENCY_VALUE = 1011;
inline constexpr int IDC_LOCAL_CHANGE_VALUE = 1012;
inline constexpr int IDC_TOTAL_CHANGE_VALUE = 1014;
inline constexpr int IDC_LEVEL_MIN = 1016;
inline constexpr int IDC_LEVEL_MIN_SPIN = 1017;
inline constexpr int IDC_LEVEL_MAX = 1018;
inline constexpr int IDC_LEVEL_MAX_SPIN = 1019;
inline constexpr int IDC_PASSES = 1020;
inline constexpr int IDC_CRITERION_HEADER = 1021;  // "criterion"
inline constexpr int IDC_VALUE_HEADER = 1022;      // "value (%)"
inline constexpr int IDC_MIN_HEADER = 1023;        // "min"
inline constexpr int IDC_MAX_HEADER = 1024;        // "max"
inline constexpr int IDC_LEVEL_CAPTION = 1025;     // "Accuracy Level"
inline constexpr int IDC_PASSES_CAPTION = 1026;    // "Max No of Passes"
inline constexpr int IDC_TOTAL_ERROR_VALUE = 1029;
inline constexpr int IDC_MAX_TRAC = 1030;  // "Max Trac BC Error" check box
inline constexpr int IDC_MAX_TRAC_VALUE = 1031;
inline constexpr int IDC_LOCAL_CHANGE = 1032;  // "Local RMS Trac BC Error Change" radio
inline constexpr int IDC_TOTAL_CHANGE = 1033;  // "Total RMS Trac BC Error Change" radio
inline constexpr int IDC_TOTAL_ERROR = 1034;   // "Total RMS Trac BC Error" check box

const ui::DialogTemplate& convergenceTemplate();

// Without the frequency row the rows below it move up to these places (dialog units) and the
// window becomes kWindowWithoutFrequencyRow.
struct ControlPlace {
  int id;
  ui::Point topLeft;
};
const std::vector<ControlPlace>& placesWithoutFrequencyRow();
inline constexpr ui::Size kWindowWithoutFrequencyRow{232, 225};

}  // namespace convset
