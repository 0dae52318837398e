#include "shakeplay/core/ByteSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

namespace shakeplay {

std::unique_ptr<FileSource> FileSource::open(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  const bool sized = S_ISREG(info.st_mode);
  return std::unique_ptr<FileSource>(
      new FileSource(fd, sized ? static_cast<std::uint64_t>(info.st_size) : 0, sized));
}

FileSource::FileSource(int fd, std::uint64_t size, bool sized) : fd_(fd), size_(size), sized_(sized) {
  ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
}

FileSource::~FileSource() { ::close(fd_); }

bool FileSource::read(void* dst, std::size_t n) {
  auto* out = static_cast<char*>(dst);
  std::size_t done = 0;
  while (done < n) {
    const ssize_t got = ::read(fd_, out + done, n - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  offset_ += done;
  return done == n;
}

std::uint64_t FileSource::remaining() const {
  if (!sized_) return std::numeric_limits<std::uint64_t>::max();
  return offset_ < size_ ? size_ - offset_ : 0;
}

MemorySource::MemorySource(const void* data, std::size_t size)
    : data_(static_cast<const unsigned char*>(data)), size_(size) {}

bool MemorySource::read(void* dst, std::size_t n) {
  const std::size_t take = std::min(n, size_ - offset_);
  if (take > 0) std::memcpy(dst, data_ + offset_, take);
  offset_ += take;
  return take == n;
}

std::uint64_t MemorySource::remaining() const { return size_ - offset_; }

}  // namespace shakeplay
