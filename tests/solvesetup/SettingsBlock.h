// The host's side of a solvesetup block for the tests: a real mapping with the header filled,
// the data area set to a byte pattern (so that a stray write shows), and the process command
// line set to the tool's launch argument. The mapping is unlinked when the object goes.
#pragma once

#include <cstddef>
#include <string>

#include "solvesetup/DynamicSettingsBlock.h"
#include "tests/support/HostBlock.h"

namespace solvesetup::test {

// The byte every host-owned byte of a fresh block holds.
inline constexpr unsigned char kHostByte = 0xA5;

class SettingsBlock : public HostBlock {
 public:
  explicit SettingsBlock(int dataSize = static_cast<int>(kDynamicSettingsMinSize));

  DynamicSettingsBlock& data() { return layout<DynamicSettingsBlock>(kDynamicSettingsMinSize); }

  // Makes the process command line that of the tool started on this block with the given kind.
  void launchWith(const std::string& kind = "SM") const;
};

// A frequency-domain (mode 4) or time-domain (mode 1) block with realistic values.
void fillFrequencyAnalysis(DynamicSettingsBlock& block);
void fillTimeAnalysis(DynamicSettingsBlock& block);

// Whether the byte at this offset belongs to a field the tool may write.
bool isToolField(std::size_t offset);

}  // namespace solvesetup::test
