// The host's side of a solvesetup block for the tests: a test block whose data area is the
// settings, and the process command line set to the tool's launch argument.
#pragma once

#include <cstddef>
#include <string>

#include "solvesetup/DynamicSettingsBlock.h"
#include "tests/support/TestBlock.h"

namespace solvesetup::test {

class SettingsBlock : public testsupport::TestBlock {
 public:
  explicit SettingsBlock(int dataSize = static_cast<int>(kDynamicSettingsMinSize))
      : TestBlock("kvsolve", dataSize) {}

  DynamicSettingsBlock& data() { return dataAs<DynamicSettingsBlock>(kDynamicSettingsMinSize); }

  // Makes the process command line that of the tool started on this block with the given kind.
  void launchWith(const std::string& kind = "SM") const;
};

// A frequency-domain (mode 4) or time-domain (mode 1) block with realistic values.
void fillFrequencyAnalysis(DynamicSettingsBlock& block);
void fillTimeAnalysis(DynamicSettingsBlock& block);

// Whether the byte at this offset belongs to a field the tool may write.
bool isToolField(std::size_t offset);

}  // namespace solvesetup::test
