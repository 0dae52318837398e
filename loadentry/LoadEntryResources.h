// The dialog resource of loadentry, as a template, and the ids its code addresses.
#pragma once

#include "loadbc/ValueGrid.h"
#include "platform/ui/DialogTemplate.h"

namespace loadentry {

// The application icon (resource 128).
inline constexpr int IDR_MAINFRAME = 128;
// Files the application icon in the icon table; main does it before the first window opens.
void registerIcon();

// The input dialog (resource 102).
inline constexpr int IDD_LOAD_INPUT = 102;
inline constexpr int IDC_RESET = 3;
inline constexpr int IDC_CSYS_NAME = 1000;
inline constexpr int IDC_HEADER_1 = 1003;
inline constexpr int IDC_HEADER_2 = 1004;
inline constexpr int IDC_HEADER_3 = 1006;
inline constexpr int IDC_TYPE_1 = 1011;  // load type of direction 1; 1012 and 1013 follow
inline constexpr int IDC_TYPE_2 = 1012;
inline constexpr int IDC_TYPE_3 = 1013;
inline constexpr int IDC_FUNCTION_LABEL = 1014;
inline constexpr int IDC_FUNCTION = 1018;

inline constexpr std::array<int, 3> kTypeIds = {IDC_TYPE_1, IDC_TYPE_2, IDC_TYPE_3};

// The value edits by point (column), then direction (row), and the column headers.
inline constexpr loadbc::GridIds kGridIds = {
    .headers = {IDC_HEADER_1, IDC_HEADER_2, IDC_HEADER_3},
    .values = {{{1005, 1015, 1019}, {88, 1016, 1020}, {1010, 1017, 1021}}}};

const ui::DialogTemplate& loadInputTemplate();

}  // namespace loadentry
