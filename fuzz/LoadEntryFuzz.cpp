// Fuzzes loadentry on the block of its /SHMKEY: word, load-function entries included: the input
// dialog attaches the block, lists the functions, fills the value grid, takes Reset when the
// input's top bit says so, and is left by OK, Cancel, Escape or the close box. It may write the
// status, the load types, the values and the chosen function, nothing else, and must leave the
// block detached.
#include "fuzz/support/DialogRun.h"
#include "fuzz/support/FuzzInput.h"
#include "fuzz/support/LaunchedBlocks.h"
#include "loadentry/CLoadBcInputDlg.h"
#include "loadentry/LoadEntryResources.h"

namespace {

using B = LoadBcInputBlock;
constexpr fuzzsupport::ToolField kToolFields[] = {
    {offsetof(B, status), 4},
    {offsetof(B, loadType), sizeof(B::loadType)},
    {offsetof(B, value), sizeof(B::value)},
    {offsetof(B, functionIndex), 4},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto input = fuzzsupport::oneBlock(data, size);
  if (!input) return 0;
  fuzzsupport::LaunchedBlocks blocks("loadentry", {{"/SHMKEY:", input->block}});
  fuzzsupport::runToolPressingFirst<CLoadBcInputDlg>(input->ways, loadentry::IDC_RESET);
  blocks.checkLeftAlone({kToolFields});
  return 0;
}
