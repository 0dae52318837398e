// Seeds of the dialog tools' targets: the host's demo blocks of each tool, at their size, a byte
// short of it and with bytes to spare, each left by several ways (see fuzz/support/FuzzInput.h
// and DialogRun.h for the input's form).
#include "fuzz/seeds/Seeds.h"

namespace fuzzseeds {
namespace {

constexpr std::uint8_t kSpare = 0xA5;
// OK; Enter; Cancel; Escape; the close box; the tool's extra action, then OK; a refused OK (if
// it is one), then Escape.
constexpr std::uint8_t kWays[] = {0, 1, 2, 3, 4, 0x80, 0 + 5 * 3};

// The block at its size (0), a byte short (-1) or with 24 bytes to spare (+24).
Bytes resized(Bytes block, int change) {
  block.resize(block.size() + static_cast<std::size_t>(change), kSpare);
  return block;
}

struct Demo {
  std::string tool;
  std::string variant;
  std::string target;
  std::uint8_t waysBits = 0;  // bits the target reads besides the ways (curveplotb's plot)
};

const Demo kDemos[] = {
    {"solvesetup", "", "solvesetup_fuzz"},       {"convset", "", "convset_fuzz"},
    {"convset", "thermal", "convset_fuzz"},      {"convset", "frequency", "convset_fuzz"},
    {"loadentry", "", "loadentry_fuzz"},         {"loadentry", "uniform", "loadentry_fuzz"},
    {"loadentry", "twopoint", "loadentry_fuzz"}, {"bcviewer", "", "bcviewer_fuzz"},
    {"curvedit", "", "curvedit_fuzz"},           {"curvedit", "frequency", "curvedit_fuzz"},
    {"curveplot", "", "curveplot_fuzz"},         {"curveplotb", "", "curveplot_fuzz", 0x80},
};

Bytes seedOf(std::uint8_t ways, const std::vector<Bytes>& blocks) {
  Bytes seed = {ways};
  if (blocks.size() == 2) {
    seed.push_back(static_cast<std::uint8_t>(blocks[0].size() & 0xFF));
    seed.push_back(static_cast<std::uint8_t>(blocks[0].size() >> 8));
  }
  for (const Bytes& block : blocks) seed.insert(seed.end(), block.begin(), block.end());
  return seed;
}

}  // namespace

void writeDialogSeeds(const std::filesystem::path& root) {
  for (const Demo& demo : kDemos) {
    const std::vector<Bytes> blocks = demoBlocks(demo.tool, demo.variant);
    const std::string stem = demo.tool + (demo.variant.empty() ? "" : "-" + demo.variant);
    for (const std::uint8_t ways : kWays) {
      const auto chosen = static_cast<std::uint8_t>(ways | demo.waysBits);
      writeSeed(root / demo.target, stem + "-" + std::to_string(ways), seedOf(chosen, blocks));
    }
    for (std::size_t i = 0; i < blocks.size(); ++i) {
      for (const int change : {-1, 24}) {
        std::vector<Bytes> sized = blocks;
        sized[i] = resized(sized[i], change);
        writeSeed(root / demo.target, stem + "-block" + std::to_string(i) + "-" + std::to_string(change + 1),
                  seedOf(demo.waysBits, sized));
      }
    }
  }
}

}  // namespace fuzzseeds
