#include <fstream>
#include <stdexcept>

#include "fuzz/seeds/Seeds.h"
#include "host/core/BlockMemory.h"
#include "host/core/RunInput.h"
#include "host/layouts/Layouts.h"

namespace fuzzseeds {

void writeSeed(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes) {
  std::filesystem::create_directories(folder);
  std::ofstream file(folder / name, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file.flush()) throw std::runtime_error("cannot write " + (folder / name).string());
}

std::vector<Bytes> demoBlocks(const std::string& tool, const std::string& variant) {
  const host::NamedLayout* layout = host::findLayout(tool);
  if (layout == nullptr) throw std::runtime_error("no layout " + tool);
  const host::RunInput input = host::demoInput(*layout, variant);
  std::vector<Bytes> blocks;
  for (const host::BlockSpec& block : input.description.blocks) {
    std::vector<std::byte> memory(host::kHeaderSize + static_cast<std::size_t>(block.dataSize));
    host::writeBlock(memory, block);
    const auto* data = reinterpret_cast<const std::uint8_t*>(memory.data()) + host::kHeaderSize;
    blocks.emplace_back(data, data + block.dataSize);
  }
  return blocks;
}

}  // namespace fuzzseeds
