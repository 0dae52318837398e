// Seeds of the launch target (see fuzz/LaunchFuzz.cpp for the input's form): the launch words
// of every tool on a block whose header is true, and headers that lie about the mapping.
#include <cstring>

#include "fuzz/seeds/Seeds.h"

namespace fuzzseeds {
namespace {

struct Launch {
  const char* name;
  std::int32_t attachCount;
  std::int32_t dataSize;
  std::uint8_t attachedMark;
  std::uint16_t mapped;
  std::uint8_t options;
  const char* words;  // '@': the block's key, '#': a key that names no block
};

const Launch kLaunches[] = {
    {"tag", 0, 64, 0, 80, 0, "/TAG:DATA:SM:@"},
    {"two-tags", 0, 64, 0, 80, 0, "/TAG:INFO:SM:@ /TAG:DATA:SM:@"},
    {"file-kinds", 0, 64, 0, 80, 0, "/TAG:INFO:FT:# /TAG:DATA:SM:@ /TAG:LINE:FB:#"},
    {"key", 0, 64, 0, 80, 1, "/SHMKEY:@ -dyn"},
    {"key-no-block", 0, 64, 0, 80, 0, "-stat /SHMKEY:#"},
    {"counted-before", 3, 40, 1, 56, 1, "/TAG:DATA:SM:@ /SHMKEY:@"},
    {"size-beyond-mapping", 0, 200, 0, 80, 0, "/TAG:DATA:SM:@ /SHMKEY:@"},
    {"negative-size", 0, -16, 0, 80, 0, "/SHMKEY:@"},
    {"shorter-than-header", 0, 0, 0, 9, 0, "/TAG:DATA:SM:@ /SHMKEY:@"},
    {"empty-data", 0, 0, 0, 16, 1, "/TAG:DATA:SM:@ /SHMKEY:@"},
    {"malformed", 0, 64, 0, 80, 0, "/TAG:DATA:SM /TAG::: /TAG:TOOLONGTAG:SM:@"},
};

template <class T>
void append(Bytes& bytes, T value) {
  std::uint8_t raw[sizeof value];
  std::memcpy(raw, &value, sizeof value);
  bytes.insert(bytes.end(), raw, raw + sizeof value);
}

}  // namespace

void writeLaunchSeeds(const std::filesystem::path& folder) {
  for (const Launch& launch : kLaunches) {
    Bytes seed;
    append(seed, launch.attachCount);
    append(seed, launch.dataSize);
    append(seed, launch.attachedMark);
    append(seed, launch.mapped);
    append(seed, launch.options);
    seed.insert(seed.end(), launch.words, launch.words + std::strlen(launch.words));
    writeSeed(folder, launch.name, seed);
  }
}

}  // namespace fuzzseeds
