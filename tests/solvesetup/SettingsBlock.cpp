#include "tests/solvesetup/SettingsBlock.h"

#include "platform/CommandLine.h"

namespace solvesetup::test {

SettingsBlock::SettingsBlock(int dataSize) : HostBlock(dataSize, 0, uniqueKey("kvsolve")) { fill(kHostByte); }

void SettingsBlock::launchWith(const std::string& kind) const {
  platform::setCommandLine({"/usr/bin/solvesetup", "/TAG:DATA:" + kind + ":" + key()});
}

void fillFrequencyAnalysis(DynamicSettingsBlock& block) {
  block.accepted = 7;
  block.densityLevel = 1;
  block.samplingUnit = 1;
  block.freqMin = 0.5;
  block.freqMax = 200.0;
  block.dampingKind = 1;
  block.dampingA = 0.4864;
  block.dampingB = 1.0268e-4;
  block.analysisMode = 4;
}

void fillTimeAnalysis(DynamicSettingsBlock& block) {
  fillFrequencyAnalysis(block);
  block.freqMin = 0.0;
  block.freqMax = 0.002;
  block.dampingKind = 2;
  block.dampingA = 3.5;
  block.analysisMode = 1;
}

bool isToolField(std::size_t offset) {
  struct Field {
    std::size_t offset, width;
  };
  static const Field fields[] = {
      {offsetof(DynamicSettingsBlock, accepted), 4},     {offsetof(DynamicSettingsBlock, densityLevel), 4},
      {offsetof(DynamicSettingsBlock, samplingUnit), 4}, {offsetof(DynamicSettingsBlock, freqMin), 8},
      {offsetof(DynamicSettingsBlock, freqMax), 8},      {offsetof(DynamicSettingsBlock, dampingKind), 4},
      {offsetof(DynamicSettingsBlock, dampingA), 8},     {offsetof(DynamicSettingsBlock, dampingB), 8},
  };
  for (const Field& field : fields) {
    if (offset >= field.offset && offset < field.offset + field.width) return true;
  }
  return false;
}

}  // namespace solvesetup::test
