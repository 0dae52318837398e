// Fuzzes convset on the block of its /SHMKEY: word: the criteria dialog attaches the block,
// fills its controls, takes the default tolerances when the input's top bit says so, and is
// left by Accept, Cancel, Escape or the close box. It may write every criterion, tolerance and
// level, never the analysis type or the host's bytes, and must leave the block detached.
#include "convset/CConvergenceDlg.h"
#include "convset/ConvSetResources.h"
#include "fuzz/support/DialogRun.h"
#include "fuzz/support/FuzzInput.h"
#include "fuzz/support/LaunchedBlocks.h"

namespace {

using B = ConvergenceBlock;
constexpr fuzzsupport::ToolField kToolFields[] = {
    {offsetof(B, freqDispSelected), offsetof(B, hostAfterFlags) - offsetof(B, freqDispSelected)},
    {offsetof(B, freqDispValue), offsetof(B, hostAfterValues) - offsetof(B, freqDispValue)},
    {offsetof(B, levelMin), kConvergenceBlockSize - offsetof(B, levelMin)},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto input = fuzzsupport::oneBlock(data, size);
  if (!input) return 0;
  fuzzsupport::LaunchedBlocks blocks("convset", {{"/SHMKEY:", input->block}});
  fuzzsupport::runToolPressingFirst<CConvergenceDlg>(input->ways, convset::IDC_DEFAULT);
  blocks.checkLeftAlone({kToolFields});
  return 0;
}
