// Fuzzes solvesetup on its "DATA" block: the settings dialog attaches the block, fills its
// controls from it and is left by OK, Cancel, Escape or the close box. It may write only its
// own fields and must leave the block detached.
#include "fuzz/support/DialogRun.h"
#include "fuzz/support/FuzzInput.h"
#include "fuzz/support/LaunchedBlocks.h"
#include "solvesetup/CSettingsDlg.h"

namespace {

using B = DynamicSettingsBlock;
constexpr fuzzsupport::ToolField kToolFields[] = {
    {offsetof(B, accepted), 4}, {offsetof(B, densityLevel), 4}, {offsetof(B, samplingUnit), 4},
    {offsetof(B, freqMin), 8},  {offsetof(B, freqMax), 8},      {offsetof(B, dampingKind), 4},
    {offsetof(B, dampingA), 8}, {offsetof(B, dampingB), 8},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto input = fuzzsupport::oneBlock(data, size);
  if (!input) return 0;
  fuzzsupport::LaunchedBlocks blocks("solvesetup", {{"/TAG:DATA:SM:", input->block}});
  fuzzsupport::runTool<CSettingsDlg>(input->ways);
  blocks.checkLeftAlone({kToolFields});
  return 0;
}
