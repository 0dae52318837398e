// Fuzzes curveplot and curveplotb (the input's top bit chooses) on their "INFO" and "LINE"
// blocks: the plot copies the curve and lets the blocks go while it is constructed, is drawn,
// copied to the clipboard (picture and text), drawn again at another size, and is left by
// Escape, the close box or Enter. It never writes a block and must leave both detached.
#include "curveplot/CCurvePlotDlg.h"
#include "curveplot/CCurvePlotLogDlg.h"
#include "fuzz/support/DialogRun.h"
#include "fuzz/support/FuzzInput.h"
#include "fuzz/support/LaunchedBlocks.h"
#include "fuzz/support/NullPainter.h"

namespace {

constexpr std::uint8_t kLogPlot = 0x80;

// What the window system asks of a shown plot: paint, the clipboard's picture, a resize.
void drawAndCopy(CCurvePlotBase& plot, std::uint8_t ways) {
  fuzzsupport::NullPainter painter;
  plot.paint(painter);
  plot.copy();
  plot.resize(40 + (ways & 0x1F) * 37, 30 + (ways >> 5) * 61);
  plot.paint(painter);
}

template <class Plot>
void run(std::uint8_t ways) {
  fuzzsupport::runTool<Plot>(ways, [ways](Plot& plot) { drawAndCopy(plot, ways); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto input = fuzzsupport::twoBlocks(data, size);
  if (!input) return 0;
  const bool log = (input->ways & kLogPlot) != 0;
  fuzzsupport::LaunchedBlocks blocks(log ? "curveplotb" : "curveplot",
                                     {{"/TAG:INFO:SM:", input->first}, {"/TAG:LINE:SM:", input->second}});
  if (log) {
    run<CCurvePlotLogDlg>(input->ways);
  } else {
    run<CCurvePlotDlg>(input->ways);
  }
  blocks.checkLeftAlone();
  return 0;
}
