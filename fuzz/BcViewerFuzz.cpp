// Fuzzes bcviewer on the block of its /SHMKEY: word: the viewer copies the block and lets it go
// while it is constructed, is shown (as its application does) only with a copy that holds the
// layout, under the analysis option the input's top bits choose, and is left by OK, Escape or
// the close box. It never writes the block and must leave it detached.
#include "bcviewer/CLoadBcInfoDlg.h"
#include "fuzz/support/DialogRun.h"
#include "fuzz/support/FuzzInput.h"
#include "fuzz/support/LaunchedBlocks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto input = fuzzsupport::oneBlock(data, size);
  if (!input) return 0;
  static const char* const kOptions[] = {"", "-stat", "-dyn", "-dyn -stat"};
  fuzzsupport::LaunchedBlocks blocks("bcviewer", {{"/SHMKEY:", input->block}}, kOptions[input->ways >> 6]);
  fuzzsupport::runTool<CLoadBcInfoDlg>(input->ways, {},
                                       [](const CLoadBcInfoDlg& dialog) { return dialog.hasSnapshot(); });
  blocks.checkLeftAlone();
  return 0;
}
