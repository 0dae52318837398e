// The dialog resource of bcviewer, as a template, and the ids its code addresses.
#pragma once

#include <array>

#include "loadbc/ValueGrid.h"
#include "platform/ui/DialogTemplate.h"

namespace bcviewer {

// The application icon (resource 128).
inline constexpr int IDR_MAINFRAME = 128;
// Files the application icon in the icon table; main does it before the first window opens.
void registerIcon();

// The information dialog (resource 102).
inline constexpr int IDD_LOAD_INFO = 102;
inline constexpr int IDC_CSYS_NAME = 1006;
inline constexpr int IDC_FUNCTION_NAME = 1007;
inline constexpr int IDC_TYPE_1 = 1008;  // type text of direction 1; 1009 and 1010 follow
inline constexpr int IDC_TYPE_2 = 1009;
inline constexpr int IDC_TYPE_3 = 1010;
inline constexpr int IDC_TYPE_CAPTION = 1020;
inline constexpr int IDC_HEADER_1 = 1021;
inline constexpr int IDC_HEADER_2 = 1022;
inline constexpr int IDC_HEADER_3 = 1023;
inline constexpr int IDC_CSYS_CAPTION = 1024;
inline constexpr int IDC_DIR_CAPTION = 1025;
inline constexpr int IDC_FUNCTION_CAPTION = 1026;

inline constexpr std::array<int, 3> kTypeIds = {IDC_TYPE_1, IDC_TYPE_2, IDC_TYPE_3};

// The value edits by point (column), then direction (row), and the column headers.
inline constexpr loadbc::GridIds kGridIds = {
    .headers = {IDC_HEADER_1, IDC_HEADER_2, IDC_HEADER_3},
    .values = {{{1011, 1012, 1013}, {1014, 1015, 1016}, {1017, 1018, 1019}}}};

const ui::DialogTemplate& loadInfoTemplate();

}  // namespace bcviewer
