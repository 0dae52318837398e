// The dialog resources of solvesetup, as templates, and the ids their code addresses.
#pragma once

#include "platform/ui/DialogTemplate.h"

namespace solvesetup {

// The application icon (resource 128).
inline constexpr int IDR_MAINFRAME = 128;
// Files the application icon in the icon table; main does it before the first window opens.
void registerIcon();

// The settings dialog (resource 102).
inline constexpr int IDD_SETTINGS = 102;
inline constexpr int IDC_VALUE = 1000;          // sampling time, or the frequency named by the range label
inline constexpr int IDC_DENSITY = 1001;        // density level list
inline constexpr int IDC_DAMPING = 1002;        // damping kind list
inline constexpr int IDC_UNIT = 1003;           // unit of the sampling time
inline constexpr int IDC_SET = 1004;            // opens a damping dialog
inline constexpr int IDC_LEVEL_CAPTION = 1005;  // "level"
inline constexpr int IDC_DAMPING_CAPTION = 1006;
inline constexpr int IDC_SAMPLING_LABEL = 1007;  // "Sampling Time", time mode
inline constexpr int IDC_HZ = 1008;
inline constexpr int IDC_MINMAX_SPIN = 1009;
inline constexpr int IDC_DENSITY_LABEL = 1011;
inline constexpr int IDC_FREQUENCY_LABEL = 1012;  // "Freqency :" (so spelt, as always), frequency mode
inline constexpr int IDC_RANGE_LABEL = 1013;      // "Max" or "Min"

// The damping dialogs (resources 130 and 131).
inline constexpr int IDD_RAYLEIGH = 130;
inline constexpr int IDD_MODAL_DAMPING = 131;
inline constexpr int IDC_COEF_A = 1000;  // a, or the modal percentage
inline constexpr int IDC_COEF_B = 1001;  // b (Rayleigh only)

const ui::DialogTemplate& settingsTemplate();
const ui::DialogTemplate& rayleighTemplate();
const ui::DialogTemplate& modalDampingTemplate();

}  // namespace solvesetup
