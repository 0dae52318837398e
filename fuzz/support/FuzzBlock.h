// The host's side of one block in a harness: a real mapping whose data area holds the fuzzed
// bytes (its dataSize is their number, so a layout may find more, as many or fewer bytes than it
// needs), and the check after the run that the tool left the block as the runtime promises.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "tests/support/HostBlock.h"

namespace fuzzsupport {

// Bytes of the data area that a tool may write: `width` bytes from `offset`.
struct ToolField {
  std::size_t offset;
  std::size_t width;
};

class FuzzBlock {
 public:
  FuzzBlock(const std::string& stem, std::span<const std::uint8_t> bytes);

  const std::string& key() const { return block_.key(); }

  // Fails the run unless the block is detached (attachCount back at the host's 0, no launch
  // record left listed), its header otherwise as the host wrote it (attachedMark 0, or 1 once
  // attached) and every byte of the data area outside `toolFields` as it was before the run.
  void checkLeftAlone(const std::string& tool, std::span<const ToolField> toolFields = {});

 private:
  HostBlock block_;
  std::vector<unsigned char> before_;
  lyrShmHeader header_;
};

}  // namespace fuzzsupport
