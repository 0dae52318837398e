#include "tests/loadbc/GridExpectations.h"

#include <gtest/gtest.h>

namespace loadbc::test {

void expectGrid(const ui::Dialog& dialog, const GridIds& ids, const GridLook& look,
                const char* const (&texts)[kPoints][kDirections]) {
  for (int p = 0; p < kPoints; ++p) {
    const bool visible = p < look.visibleColumns;
    EXPECT_EQ(dialog.IsWindowVisible(ids.headers[p]), visible) << "column " << p;
    EXPECT_EQ(dialog.GetDlgItemText(ids.headers[p]), look.headers[p]) << "column " << p;
    for (int d = 0; d < kDirections; ++d) {
      const int id = ids.values[p][d];
      EXPECT_EQ(dialog.IsWindowVisible(id), visible) << p << "," << d;
      EXPECT_EQ(dialog.GetDlgItemText(id), p < look.filledColumns ? texts[p][d] : "") << p << "," << d;
    }
  }
}

}  // namespace loadbc::test
