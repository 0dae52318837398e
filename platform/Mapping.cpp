#include "platform/Mapping.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <map>

namespace platform {
namespace {

std::array<int, 5> pendingFailures{};

bool injectedFailure(MappingOp op) {
  int& left = pendingFailures[static_cast<std::size_t>(op)];
  if (left <= 0) return false;
  --left;
  return true;
}

// munmap needs the length, UnmapViewOfFile does not: remember it per view.
std::map<void*, std::size_t>& viewSizes() {
  static std::map<void*, std::size_t> sizes;
  return sizes;
}

}  // namespace

std::string mappingName(std::string_view key) {
  std::string name = "/";
  for (char c : key) {
    if (c == '%') {
      name += "%25";
    } else if (c == '/') {
      name += "%2F";
    } else {
      name += c;
    }
  }
  return name;
}

MappingHandle openMapping(std::string_view key) {
  if (injectedFailure(MappingOp::Open)) return kNoMapping;
  const int fd = shm_open(mappingName(key).c_str(), O_RDWR, 0);
  return fd < 0 ? kNoMapping : fd;
}

void* mapView(MappingHandle handle, std::size_t* size) {
  if (injectedFailure(MappingOp::Map)) return nullptr;
  struct stat info {};
  if (handle < 0 || fstat(handle, &info) != 0 || info.st_size <= 0) return nullptr;
  const auto length = static_cast<std::size_t>(info.st_size);
  void* view = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_SHARED, handle, 0);
  if (view == MAP_FAILED) return nullptr;
  viewSizes()[view] = length;
  if (size != nullptr) *size = length;
  return view;
}

bool unmapView(void* view) {
  if (injectedFailure(MappingOp::Unmap)) return false;
  auto found = viewSizes().find(view);
  if (found == viewSizes().end()) return false;
  const bool unmapped = munmap(view, found->second) == 0;
  viewSizes().erase(found);
  return unmapped;
}

bool closeMapping(MappingHandle handle) {
  if (injectedFailure(MappingOp::Close)) return false;
  return handle >= 0 && close(handle) == 0;
}

MappingHandle createMapping(std::string_view key, std::size_t size) {
  if (injectedFailure(MappingOp::Create)) return kNoMapping;
  const std::string name = mappingName(key);
  const int fd = shm_open(name.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
  if (fd < 0) return kNoMapping;
  if (ftruncate(fd, static_cast<off_t>(size)) != 0) {
    close(fd);
    shm_unlink(name.c_str());
    return kNoMapping;
  }
  return fd;
}

bool unlinkMapping(std::string_view key) { return shm_unlink(mappingName(key).c_str()) == 0; }

void failNext(MappingOp op, int times) { pendingFailures[static_cast<std::size_t>(op)] = times; }

void clearFailures() { pendingFailures.fill(0); }

}  // namespace platform
