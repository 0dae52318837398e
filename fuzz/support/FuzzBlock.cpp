#include "fuzz/support/FuzzBlock.h"

#include <cstring>

#include "fuzz/support/FuzzCheck.h"
#include "runtime/array/ExpandableArray.h"
#include "runtime/ipc/IpcTag.h"

namespace fuzzsupport {
namespace {

constexpr unsigned char kHostReserved = 0x5C;

bool inToolField(std::size_t offset, std::span<const ToolField> fields) {
  for (const ToolField& field : fields) {
    if (offset >= field.offset && offset - field.offset < field.width) return true;
  }
  return false;
}

}  // namespace

FuzzBlock::FuzzBlock(const std::string& stem, std::span<const std::uint8_t> bytes)
    : block_(static_cast<int>(bytes.size()), 0, uniqueKey(stem)) {
  if (!bytes.empty()) std::memcpy(block_.data(), bytes.data(), bytes.size());
  std::memset(block_.header().reserved, kHostReserved, sizeof block_.header().reserved);
  before_ = block_.snapshot();
  header_ = block_.header();
}

void FuzzBlock::checkLeftAlone(const std::string& tool, std::span<const ToolField> toolFields) {
  const lyrShmHeader& now = block_.header();
  check(now.attachCount == header_.attachCount,
        tool + " left attachCount at " + std::to_string(now.attachCount) + ": the block is still attached");
  check(now.dataSize == header_.dataSize, tool + " changed the header's dataSize");
  check(now.attachedMark == 0 || now.attachedMark == 1,
        tool + " left attachedMark at " + std::to_string(now.attachedMark));
  check(std::memcmp(now.reserved, header_.reserved, sizeof now.reserved) == 0,
        tool + " wrote into the header's reserved bytes");
  lyrIpcList list = nullptr;
  lyrIpcAttach(0, nullptr, &list);
  check(lyrArrayCount(list) == 0, tool + " left a launch record listed");
  const std::vector<unsigned char> after = block_.snapshot();
  for (std::size_t i = 0; i < after.size(); ++i) {
    if (after[i] != before_[i] && !inToolField(i, toolFields)) {
      fail(tool + " wrote byte " + std::to_string(i) + " of a " + std::to_string(after.size()) +
           "-byte data area, outside its fields");
    }
  }
}

}  // namespace fuzzsupport
