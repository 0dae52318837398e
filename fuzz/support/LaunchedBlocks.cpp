#include "fuzz/support/LaunchedBlocks.h"

#include "platform/CommandLine.h"

namespace fuzzsupport {

LaunchedBlocks::LaunchedBlocks(const std::string& tool, std::initializer_list<BlockLaunch> blocks,
                               const std::string& furtherWords)
    : tool_(tool) {
  std::vector<std::string> words = {"/usr/bin/" + tool};
  for (const BlockLaunch& block : blocks) {
    blocks_.push_back(std::make_unique<FuzzBlock>("kvfz" + tool, block.bytes));
    words.push_back(block.word + blocks_.back()->key());
  }
  words.push_back(furtherWords);
  platform::setCommandLine(words);
}

void LaunchedBlocks::checkLeftAlone(std::initializer_list<std::span<const ToolField>> toolFields) {
  for (std::size_t i = 0; i < blocks_.size(); ++i) {
    const std::string name = tool_ + " (block " + std::to_string(i) + ")";
    blocks_[i]->checkLeftAlone(name,
                               i < toolFields.size() ? toolFields.begin()[i] : std::span<const ToolField>{});
  }
}

}  // namespace fuzzsupport
