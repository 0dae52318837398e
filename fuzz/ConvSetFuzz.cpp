// Fuzzes convset on the block of its /SHMKEY: word: the criteria dialog attaches the block,
// fills its controls, takes the default tolerances when the input's top bit says so, and is
// left by Accept, Cancel, Escape or the close box. It may write every criterion, tolerance and
// level, never the analysis type or the host's bytes, and must leave the block detached.
#include "convset/CConvergenceDlg.h"
#include "convset/ConvSetResources.h"
#include "fuzz/support/DialogRun.h"
#include "fuzz/support/FuzzBlock.h"
#include "fuzz/support/FuzzInput.h"
#include "platform/CommandLine.h"

namespace {

using B = ConvergenceBlock;
constexpr fuzzsupport::ToolField kToolFields[] = {
    {offsetof(B, freqDispSelected), offsetof(B, hostAfterFlags) - offsetof(B, freqDispSelected)},
    {offsetof(B, freqDispValue), offsetof(B, hostAfterValues) - offsetof(B, freqDispValue)},
    {offsetof(B, levelMin), kConvergenceBlockSize - offsetof(B, levelMin)},
};
constexpr std::uint8_t kDefaultsFirst = 0x80;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto input = fuzzsupport::oneBlock(data, size);
  if (!input) return 0;
  fuzzsupport::FuzzBlock block("kvfzconv", input->block);
  platform::setCommandLine({"/usr/bin/convset", "/SHMKEY:" + block.key()});
  fuzzsupport::runTool<CConvergenceDlg>(input->ways, [&](CConvergenceDlg& dialog) {
    if (input->ways & kDefaultsFirst) dialog.click(convset::IDC_DEFAULT);
  });
  block.checkLeftAlone("convset", kToolFields);
  return 0;
}
