// The resources of curvedit: its dialog templates, the ids their code addresses, the
// application icon and the About item of the system menu.
#pragma once

#include <string>

#include "platform/ui/DialogTemplate.h"

namespace curvedit {

// The application icon (resource 128).
inline constexpr int IDR_MAINFRAME = 128;
// Files the application icon in the icon table; main does it before the first window opens.
void registerIcon();

// The About box (resource 100) and its item in the system menu (string 101, command 0x0010).
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr unsigned IDM_ABOUTBOX = 0x0010;
inline constexpr const char* kAboutItem = "&About curvedit...";

// The function editing dialog (resource 102).
inline constexpr int IDD_CURVEDIT = 102;
inline constexpr int IDC_CAPTION = 1000;  // the function's title and name
inline constexpr int IDC_XMIN = 1001;
inline constexpr int IDC_XMAX = 1011;
inline constexpr int IDC_YMIN = 1012;
inline constexpr int IDC_YMAX = 1013;
inline constexpr int IDC_DEFINE = 1003;
inline constexpr int IDC_REFIT = 1007;
inline constexpr int IDC_SPIN = 1008;    // picks the selected point
inline constexpr int IDC_POINTX = 1014;  // x of the selected or new point
inline constexpr int IDC_POINTY = 1015;  // y of the selected or new point
inline constexpr int IDC_NEW = 1017;
inline constexpr int IDC_INPUT = 1018;
inline constexpr int IDC_DELETE = 1019;
inline constexpr int IDC_XSCALE = 1010;  // "LINEAR" or "LOG"
inline constexpr int IDC_YSCALE = 1016;
inline constexpr int IDC_GRAPHBOX = 1020;  // the frame the graph is drawn in

// Items of the scale lists, by index.
inline constexpr int kLinearScale = 0;
inline constexpr int kLogScale = 1;

const ui::DialogTemplate& curveEditTemplate();
const ui::DialogTemplate& aboutTemplate();

}  // namespace curvedit
