// Fuzzes loadentry on the block of its /SHMKEY: word, load-function entries included: the input
// dialog attaches the block, lists the functions, fills the value grid, takes Reset when the
// input's top bit says so, and is left by OK, Cancel, Escape or the close box. It may write the
// status, the load types, the values and the chosen function, nothing else, and must leave the
// block detached.
#include "fuzz/support/DialogRun.h"
#include "fuzz/support/FuzzBlock.h"
#include "fuzz/support/FuzzInput.h"
#include "loadentry/CLoadBcInputDlg.h"
#include "loadentry/LoadEntryResources.h"
#include "platform/CommandLine.h"

namespace {

using B = LoadBcInputBlock;
constexpr fuzzsupport::ToolField kToolFields[] = {
    {offsetof(B, status), 4},
    {offsetof(B, loadType), sizeof(B::loadType)},
    {offsetof(B, value), sizeof(B::value)},
    {offsetof(B, functionIndex), 4},
};
constexpr std::uint8_t kResetFirst = 0x80;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto input = fuzzsupport::oneBlock(data, size);
  if (!input) return 0;
  fuzzsupport::FuzzBlock block("kvfzload", input->block);
  platform::setCommandLine({"/usr/bin/loadentry", "/SHMKEY:" + block.key()});
  fuzzsupport::runTool<CLoadBcInputDlg>(input->ways, [&](CLoadBcInputDlg& dialog) {
    if (input->ways & kResetFirst) dialog.click(loadentry::IDC_RESET);
  });
  block.checkLeftAlone("loadentry", kToolFields);
  return 0;
}
