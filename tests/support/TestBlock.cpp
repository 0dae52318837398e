#include "tests/support/TestBlock.h"

#include <unistd.h>

#include <cstring>
#include <stdexcept>

#include "platform/CommandLine.h"
#include "platform/Mapping.h"

namespace testsupport {
namespace {
std::string nextKey(const std::string& stem) {
  static int counter = 0;
  return stem + std::to_string(getpid()) + "n" + std::to_string(++counter);
}
}  // namespace

TestBlock::TestBlock(const std::string& stem, int dataSize)
    : key_(nextKey(stem)), dataSize_(dataSize) {
  const std::size_t total = sizeof(lyrShmHeader) + static_cast<std::size_t>(dataSize);
  mapping_ = platform::createMapping(key_, total);
  if (mapping_ == platform::kNoMapping) throw std::runtime_error("cannot create " + key_);
  view_ = platform::mapView(mapping_);
  if (view_ == nullptr) throw std::runtime_error("cannot map " + key_);
  header().dataSize = dataSize;
  std::memset(bytes(), kHostByte, static_cast<std::size_t>(dataSize));
}

TestBlock::~TestBlock() {
  if (view_ != nullptr) platform::unmapView(view_);
  platform::closeMapping(mapping_);
  platform::unlinkMapping(key_);
}

void TestBlock::write(std::size_t offset, const void* source, std::size_t n) {
  if (offset > static_cast<std::size_t>(dataSize_) || n > static_cast<std::size_t>(dataSize_) - offset) {
    throw std::logic_error("the bytes do not fit into the block");
  }
  std::memcpy(bytes() + offset, source, n);
}

void TestBlock::launchKeyTool(const std::string& program,
                              const std::vector<std::string>& extra) const {
  std::vector<std::string> words = {program, "/SHMKEY:" + key_};
  words.insert(words.end(), extra.begin(), extra.end());
  platform::setCommandLine(words);
}

::testing::AssertionResult sameBytes(const std::vector<unsigned char>& actual,
                                     const std::vector<unsigned char>& expected) {
  if (actual.size() != expected.size()) {
    return ::testing::AssertionFailure()
           << actual.size() << " bytes where " << expected.size() << " were expected";
  }
  for (std::size_t i = 0; i < actual.size(); ++i) {
    if (actual[i] != expected[i]) {
      return ::testing::AssertionFailure() << "byte " << i << " is " << int{actual[i]}
                                           << " where " << int{expected[i]} << " was expected";
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace testsupport
