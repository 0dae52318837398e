#include "shakeplay/core/Prefaulter.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <system_error>

#include "shakeplay/core/ByteSource.h"

namespace shakeplay {
namespace {

// Pieces end on huge-page boundaries, so a piece is one huge page where the kernel gives them.
constexpr std::size_t kPiece = std::size_t{2} << 20;
// Below this a range is read straight in: there is no piece to overlap with.
constexpr std::size_t kSmallestPrefaulted = 2 * kPiece;

std::size_t pieceEnd(const char* data, std::size_t done, std::size_t bytes) {
  const auto at = reinterpret_cast<std::uintptr_t>(data + done);
  return std::min(bytes, done + (kPiece - at % kPiece));
}

// Faults [begin, begin + bytes) in for writing; where the kernel cannot do that in one call
// (before Linux 5.14), a write to every page does it. Nothing else touches these bytes meanwhile.
void faultIn(char* begin, std::size_t bytes) {
#ifdef MADV_POPULATE_WRITE
  if (::madvise(begin, bytes, MADV_POPULATE_WRITE) == 0 || errno != EINVAL) return;
#endif
  static const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
  volatile char* bytesToTouch = begin;
  for (std::size_t i = 0; i < bytes; i += page) bytesToTouch[i] = 0;
}

}  // namespace

Prefaulter::~Prefaulter() {
  {
    const std::lock_guard lock(mutex_);
    quit_ = true;
  }
  wake_.notify_all();
  if (worker_.joinable()) worker_.join();
}

void Prefaulter::start(void* data, std::size_t bytes) {
  stop();
  std::unique_lock lock(mutex_);
  data_ = static_cast<char*>(data);
  bytes_ = bytes;
  faulted_ = 0;
  if (!worker_.joinable()) {
    try {
      worker_ = std::thread(&Prefaulter::run, this);
    } catch (const std::system_error&) {
      faulted_ = bytes_;  // no second thread: the reads fault the pages in themselves
      return;
    }
  }
  lock.unlock();
  wake_.notify_one();
}

void Prefaulter::waitFor(std::size_t bytes) {
  std::unique_lock lock(mutex_);
  progress_.wait(lock, [&] { return faulted_ >= bytes || data_ == nullptr; });
}

void Prefaulter::stop() {
  std::unique_lock lock(mutex_);
  data_ = nullptr;
  bytes_ = faulted_ = 0;
  progress_.wait(lock, [&] { return !busy_; });
}

void Prefaulter::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [&] { return quit_ || faulted_ < bytes_; });
    if (quit_) return;
    char* const begin = data_ + faulted_;
    const std::size_t end = pieceEnd(data_, faulted_, bytes_);
    const std::size_t length = end - faulted_;
    busy_ = true;
    lock.unlock();
    faultIn(begin, length);
    lock.lock();
    busy_ = false;
    if (data_ != nullptr) faulted_ = end;  // else the range was let go meanwhile
    progress_.notify_all();
  }
}

bool readPrefaulted(ByteSource& source, Prefaulter& prefaulter, void* data, std::size_t bytes) {
  auto* const out = static_cast<char*>(data);
  if (bytes < kSmallestPrefaulted) return source.read(out, bytes);
  prefaulter.start(out, bytes);
  struct LetGo {
    Prefaulter& prefaulter;
    ~LetGo() { prefaulter.stop(); }
  } letGo{prefaulter};
  for (std::size_t done = 0; done < bytes;) {
    const std::size_t end = pieceEnd(out, done, bytes);
    prefaulter.waitFor(end);
    if (!source.read(out + done, end - done)) return false;
    done = end;
  }
  return true;
}

}  // namespace shakeplay
