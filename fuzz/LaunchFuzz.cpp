// Fuzzes how the runtime takes a tool's launch: the command line split into words as every
// tool splits it, the /TAG: and /SHMKEY: arguments, and the header of the block they name, whose
// attachCount, dataSize and attachedMark may lie about the mapping's real size. Every way a tool
// attaches (the tag list, the key, the snapshot, the tool's tag set) is taken and let go.
//
// Input: attachCount (4 bytes), dataSize (4), attachedMark (1), the mapping's size (2), a byte
// of options, then the command line, in which '@' stands for the mapping's key and '#' for a
// key that names no mapping.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/support/FuzzCheck.h"
#include "platform/CommandLine.h"
#include "runtime/array/ExpandableArray.h"
#include "runtime/array/TrackedMemory.h"
#include "runtime/ipc/IpcKey.h"
#include "runtime/ipc/IpcSnapshot.h"
#include "runtime/ipc/IpcTag.h"
#include "runtime/ipc/LaunchArguments.h"
#include "runtime/ipc/SharedMemory.h"
#include "runtime/skeleton/CPrettyDialog.h"
#include "runtime/skeleton/TagBlocks.h"
#include "tests/support/HostBlock.h"

using fuzzsupport::check;

namespace {

constexpr std::size_t kPrefix = 12;
constexpr int kTrackedBank = 2;

template <class T>
T read(const std::uint8_t* data) {
  T value;
  std::memcpy(&value, data, sizeof value);
  return value;
}

// The host's block as the input describes it, and what may be read of it.
struct Launch {
  HostBlock& block;
  std::size_t mapped;
  lyrShmHeader header;
  std::vector<unsigned char> bytes;  // the whole mapping as the host left it

  std::size_t dataRoom() const { return mapped < sizeof(lyrShmHeader) ? 0 : mapped - sizeof(lyrShmHeader); }
  const unsigned char* mapping() { return reinterpret_cast<const unsigned char*>(&block.header()); }

  // A data area the runtime handed out lies within the mapping, with the header's size.
  void checkArea(const void* data, long long size, const char* how) {
    check(data != nullptr, std::string(how) + " gave a null data area");
    check(mapped >= sizeof(lyrShmHeader) && size >= 0 && static_cast<std::size_t>(size) <= dataRoom() &&
              size == header.dataSize,
          std::string(how) + " gave " + std::to_string(size) + " bytes of data in a mapping of " +
              std::to_string(mapped) + " whose header says " + std::to_string(header.dataSize));
  }
};

std::string commandLine(const std::uint8_t* text, std::size_t size, const std::string& key) {
  std::string line = "/usr/bin/tool ";
  for (std::size_t i = 0; i < size; ++i) {
    const char c = static_cast<char>(text[i]);
    if (c == '@') {
      line += key;
    } else if (c == '#') {
      line += "kvfz-no-such-block";
    } else if (c != '\0') {
      line += c;
    }
  }
  return line;
}

int listed() {
  lyrIpcList list = nullptr;
  lyrIpcAttach(0, nullptr, &list);
  return lyrArrayCount(list);
}

void checkTagWords(int argc, char* const* argv) {
  for (int i = 0; i < argc; ++i) {
    const auto parsed = parseTagArgument(argv[i]);
    if (!parsed) continue;
    for (const std::string* part : {&parsed->tag, &parsed->kind, &parsed->key}) {
      check(!part->empty() && part->find_first_of("/:") == std::string::npos,
            "parseTagArgument gave the part \"" + *part + "\" of \"" + argv[i] + "\"");
    }
  }
}

void attachByTags(Launch& launch, int argc, char* const* argv) {
  lyrIpcList list = nullptr;
  const int status = lyrIpcAttach(argc, argv, &list);
  lyrIpcAttach(0, nullptr, &list);
  for (int i = 0; i < lyrArrayCount(list); ++i) {
    const lyrIpcRecord* record = list[i];
    check(std::strlen(record->tag) < sizeof record->tag && std::strlen(record->key) <= lyrShmMaxKeyLength,
          "a listed record holds a tag or key longer than the runtime keeps");
    if (record->data != nullptr) launch.checkArea(record->data, record->size, "lyrIpcAttach");
    check(lyrIpcFind(list, record->tag) != nullptr, "lyrIpcFind misses a listed tag");
  }
  check(status == 0 || status == 3 || status == -1, "lyrIpcAttach returned " + std::to_string(status));
  while (lyrArrayCount(list) > 0) {
    lyrIpcRecord* record = list[0];
    check(lyrIpcDetach(&record) == 0 && record == nullptr, "lyrIpcDetach failed on a listed record");
    lyrIpcAttach(0, nullptr, &list);
  }
}

void attachByKey(Launch& launch, int argc, char* const* argv) {
  void* data = nullptr;
  if (lyrIpcAttachKey(argc, argv, &data) != 0) {
    check(data == nullptr, "a failed lyrIpcAttachKey handed out an address");
    return;
  }
  launch.checkArea(data, lyrShmSize(data), "lyrIpcAttachKey");
  check(lyrIpcDetachKey(&data) == 0 && data == nullptr, "lyrIpcDetachKey failed");
}

void snapshot(Launch& launch, int argc, char* const* argv, int bank) {
  void* buffer = nullptr;
  int copied = -1;
  const int status = lyrIpcSnapshot(argc, argv, &buffer, bank, &copied);
  if (buffer == nullptr) return;
  check(status == 0, "lyrIpcSnapshot made a copy and returned " + std::to_string(status));
  launch.checkArea(buffer, copied, "lyrIpcSnapshot");
  check(
      std::memcmp(buffer, launch.bytes.data() + sizeof(lyrShmHeader), static_cast<std::size_t>(copied)) == 0,
      "the snapshot differs from the block");
  if (bank == 0) {
    std::free(buffer);
  } else {
    lyrMemFree(buffer);
  }
}

void attachAsTool(Launch& launch, int argc, char* const* argv) {
  skeleton::TagBlocks blocks;
  if (!blocks.attach(argc, argv, {"DATA", "INFO"})) return;
  for (const char* tag : {"DATA", "INFO"}) launch.checkArea(blocks.data(tag), blocks.size(tag), "TagBlocks");
}

void checkLeftAlone(Launch& launch) {
  check(listed() == 0, "a launch record is still listed");
  if (launch.mapped < sizeof(lyrShmHeader)) {
    check(std::memcmp(launch.mapping(), launch.bytes.data(), launch.mapped) == 0, "the mapping changed");
    return;
  }
  lyrShmHeader now;
  std::memcpy(&now, launch.mapping(), sizeof now);
  check(now.attachCount == launch.header.attachCount, "attachCount is " + std::to_string(now.attachCount) +
                                                          ", the host left " +
                                                          std::to_string(launch.header.attachCount));
  check(now.attachedMark == launch.header.attachedMark || now.attachedMark == 1, "attachedMark changed");
  now.attachedMark = launch.header.attachedMark;
  now.attachCount = launch.header.attachCount;
  check(std::memcmp(&now, &launch.header, sizeof now) == 0, "the header changed");
  check(std::memcmp(launch.mapping() + sizeof now, launch.bytes.data() + sizeof now, launch.dataRoom()) == 0,
        "the data area changed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kPrefix) return 0;
  const auto attachCount = read<std::int32_t>(data);
  const auto dataSize = read<std::int32_t>(data + 4);
  const std::size_t mapped = std::max<std::size_t>(1, read<std::uint16_t>(data + 9));
  HostBlock block(dataSize, attachCount, uniqueKey("kvfzrt"), mapped);
  auto* mapping = reinterpret_cast<unsigned char*>(&block.header());
  for (std::size_t i = sizeof(lyrShmHeader); i < mapped; ++i) mapping[i] = static_cast<unsigned char>(i * 7);
  if (mapped >= sizeof(lyrShmHeader)) {
    block.header().attachedMark = data[8];
    std::memset(block.header().reserved, 0x5C, sizeof block.header().reserved);
  }
  Launch launch{block, mapped, {}, {mapping, mapping + mapped}};
  if (mapped >= sizeof(lyrShmHeader)) launch.header = block.header();

  platform::setCommandLine({commandLine(data + kPrefix, size - kPrefix, block.key())});
  CPrettyDialog words{ui::DialogTemplate{}};
  const int argc = words.ParseCommandLine() + 1;
  checkTagWords(argc, words.argv);
  attachByTags(launch, argc, words.argv);
  attachByKey(launch, argc, words.argv);
  snapshot(launch, argc, words.argv, (data[11] & 1) != 0 ? kTrackedBank : 0);
  attachAsTool(launch, argc, words.argv);
  checkLeftAlone(launch);
  return 0;
}
