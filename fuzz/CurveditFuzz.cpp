// Fuzzes curvedit on its "INFO" and "DATA" blocks: the editor attaches both, copies the
// function, draws its graph and is left by APPLY, CANCEL, Escape or the close box. It may
// write only the status and the points of DATA, never INFO, and must leave both detached.
#include "curvedit/CCurveEditDlg.h"
#include "fuzz/support/DialogRun.h"
#include "fuzz/support/FuzzInput.h"
#include "fuzz/support/LaunchedBlocks.h"
#include "fuzz/support/NullPainter.h"

namespace {

using D = FunctionDataBlock;
constexpr fuzzsupport::ToolField kDataFields[] = {
    {offsetof(D, status), 4},
    {offsetof(D, pointCount), 4},
    {offsetof(D, abscissa), sizeof(D::abscissa)},
    {offsetof(D, ordinate), sizeof(D::ordinate)},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto input = fuzzsupport::twoBlocks(data, size);
  if (!input) return 0;
  fuzzsupport::LaunchedBlocks blocks("curvedit",
                                     {{"/TAG:INFO:SM:", input->first}, {"/TAG:DATA:SM:", input->second}});
  fuzzsupport::runTool<CCurveEditDlg>(input->ways, [](CCurveEditDlg& dialog) {
    fuzzsupport::NullPainter painter;
    dialog.paint(painter);
  });
  blocks.checkLeftAlone({{}, kDataFields});
  return 0;
}
