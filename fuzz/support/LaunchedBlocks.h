// The host's blocks of one run and the command line that names them, as the host launches a
// tool: the program, then per block its launch word ("/SHMKEY:", "/TAG:DATA:SM:" ...) followed by
// the block's key, then any further words.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "fuzz/support/FuzzBlock.h"

namespace fuzzsupport {

struct BlockLaunch {
  std::string word;                     // what stands before the key
  std::span<const std::uint8_t> bytes;  // the data area
};

class LaunchedBlocks {
 public:
  // Makes the blocks and sets the process command line; `tool` names them in every message.
  LaunchedBlocks(const std::string& tool, std::initializer_list<BlockLaunch> blocks,
                 const std::string& furtherWords = "");

  // FuzzBlock::checkLeftAlone for each block, with the fields the tool may write in it (none
  // for a block not listed).
  void checkLeftAlone(std::initializer_list<std::span<const ToolField>> toolFields = {});

 private:
  std::string tool_;
  std::vector<std::unique_ptr<FuzzBlock>> blocks_;
};

}  // namespace fuzzsupport
