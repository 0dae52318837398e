#include "runtime/ipc/LaunchArguments.h"

#include <cstring>
#include <vector>

#include "runtime/ipc/Diagnostics.h"
#include "runtime/ipc/IpcTag.h"
#include "runtime/ipc/SharedMemory.h"

namespace {

constexpr std::string_view kTagMarker = "/TAG:";
constexpr const char* kKeyMarker = "/SHMKEY:";
constexpr std::string_view kSeparators = "/:";
constexpr std::size_t kTagFields = 4;

}  // namespace

bool isTagArgument(std::string_view word) { return word.starts_with(kTagMarker); }

std::optional<TagArgument> parseTagArgument(std::string_view word) {
  std::vector<std::string_view> fields;
  std::size_t start = word.find_first_not_of(kSeparators);
  while (start != std::string_view::npos && fields.size() < kTagFields) {
    const std::size_t end = word.find_first_of(kSeparators, start);
    fields.push_back(word.substr(start, end == std::string_view::npos ? end : end - start));
    start = end == std::string_view::npos ? end : word.find_first_not_of(kSeparators, end);
  }
  if (fields.size() < kTagFields) return std::nullopt;
  return TagArgument{std::string(fields[1]), std::string(fields[2]), std::string(fields[3])};
}

const char* findShmKey(int argc, const char* const* argv) {
  for (int i = 0; i < argc; ++i) {
    const char* marker = argv[i] == nullptr ? nullptr : std::strstr(argv[i], kKeyMarker);
    if (marker != nullptr) return marker + std::strlen(kKeyMarker);
  }
  return nullptr;
}

bool tagFits(std::string_view tag) {
  if (tag.size() < sizeof(lyrIpcRecord::tag)) return true;
  lyrDiagnostics::write("lyrIpc: Tag longer than 7 characters\n");
  return false;
}

bool keyFits(std::string_view key) {
  if (key.size() <= static_cast<std::size_t>(lyrShmMaxKeyLength)) return true;
  lyrDiagnostics::write("lyrIpc: Key longer than 39 characters\n");
  return false;
}
