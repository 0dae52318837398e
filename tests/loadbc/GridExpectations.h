// What a test expects of the value grid of a load dialog.
#pragma once

#include <array>

#include "loadbc/ValueGrid.h"
#include "platform/ui/Dialog.h"

namespace loadbc::test {

struct GridLook {
  int visibleColumns;  // columns 0 .. visibleColumns - 1 show, the others are hidden
  int filledColumns;   // the value texts of these columns are filled, the others empty
  std::array<const char*, kPoints> headers;
};

// The grid shows as `look` says, with the texts by point, then direction.
void expectGrid(const ui::Dialog& dialog, const GridIds& ids, const GridLook& look,
                const char* const (&texts)[kPoints][kDirections]);

}  // namespace loadbc::test
