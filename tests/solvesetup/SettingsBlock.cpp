#include "tests/solvesetup/SettingsBlock.h"

#include <unistd.h>

#include <cstring>
#include <stdexcept>

#include "platform/CommandLine.h"
#include "platform/Mapping.h"

namespace solvesetup::test {
namespace {
std::string nextKey() {
  static int counter = 0;
  return "kvsolve" + std::to_string(getpid()) + "n" + std::to_string(++counter);
}
}  // namespace

SettingsBlock::SettingsBlock(int dataSize) : key_(nextKey()), dataSize_(dataSize) {
  const std::size_t total = sizeof(lyrShmHeader) + static_cast<std::size_t>(dataSize);
  mapping_ = platform::createMapping(key_, total);
  if (mapping_ == platform::kNoMapping) throw std::runtime_error("cannot create " + key_);
  view_ = platform::mapView(mapping_);
  if (view_ == nullptr) throw std::runtime_error("cannot map " + key_);
  header().dataSize = dataSize;
  std::memset(bytes(), kHostByte, static_cast<std::size_t>(dataSize));
}

SettingsBlock::~SettingsBlock() {
  if (view_ != nullptr) platform::unmapView(view_);
  platform::closeMapping(mapping_);
  platform::unlinkMapping(key_);
}

DynamicSettingsBlock& SettingsBlock::data() {
  if (static_cast<std::size_t>(dataSize_) < kDynamicSettingsMinSize) {
    throw std::logic_error("the block is too short for its fields");
  }
  return *reinterpret_cast<DynamicSettingsBlock*>(bytes());
}

void SettingsBlock::launchWith(const std::string& kind) const {
  platform::setCommandLine({"/usr/bin/solvesetup", "/TAG:DATA:" + kind + ":" + key_});
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
      {offsetof(DynamicSettingsBlock, accepted), 4},
      {offsetof(DynamicSettingsBlock, densityLevel), 4},
      {offsetof(DynamicSettingsBlock, samplingUnit), 4},
      {offsetof(DynamicSettingsBlock, freqMin), 8},
      {offsetof(DynamicSettingsBlock, freqMax), 8},
      {offsetof(DynamicSettingsBlock, dampingKind), 4},
      {offsetof(DynamicSettingsBlock, dampingA), 8},
      {offsetof(DynamicSettingsBlock, dampingB), 8},
  };
  for (const Field& field : fields) {
    if (offset >= field.offset && offset < field.offset + field.width) return true;
  }
  return false;
}

}  // namespace solvesetup::test
