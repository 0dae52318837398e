// Faults fresh storage in on a second thread just ahead of the reads that fill it: the kernel
// zeroes a new page on its first touch, and doing that on the other core lets it overlap the
// copying of file data into the pages before it.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>

namespace shakeplay {

class ByteSource;

class Prefaulter {
 public:
  Prefaulter() = default;
  // Lets go of the current range and joins the worker.
  ~Prefaulter();
  Prefaulter(const Prefaulter&) = delete;
  Prefaulter& operator=(const Prefaulter&) = delete;

  // Starts faulting in [data, data + bytes), piece after piece from the front (the worker
  // starts on first use). Any range still being worked on is let go first.
  void start(void* data, std::size_t bytes);
  // Returns once the first `bytes` of the current range are faulted in (at once when no range).
  void waitFor(std::size_t bytes);
  // Returns once the worker has let go of the current range, done or not; its storage may
  // then be filled or released freely.
  void stop();

 private:
  void run();

  std::mutex mutex_;
  std::condition_variable wake_;      // a range or the end for the worker
  std::condition_variable progress_;  // a piece done, or the worker idle
  char* data_ = nullptr;
  std::size_t bytes_ = 0;
  std::size_t faulted_ = 0;  // of the current range
  bool busy_ = false;        // the worker holds a piece of the current range
  bool quit_ = false;
  std::thread worker_;
};

// Reads `bytes` from `source` into fresh storage, each piece faulted in by `prefaulter` before
// it is read into; true when all were delivered.
bool readPrefaulted(ByteSource& source, Prefaulter& prefaulter, void* data, std::size_t bytes);

}  // namespace shakeplay
