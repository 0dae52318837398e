// Encoding on a second thread: the exporter renders the next frame while the previous ones are
// compressed and written. A few frames wait at most; their buffers come back for reuse.
#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "shakeplay/export/FrameWriter.h"

namespace shakeplay::exporting {

class EncodingThread {
 public:
  EncodingThread(FrameWriter& writer, std::size_t waitingFrames);
  // Stops the thread without finishing the writer (an export that failed on the way).
  ~EncodingThread();
  EncodingThread(const EncodingThread&) = delete;
  EncodingThread& operator=(const EncodingThread&) = delete;

  // A buffer for the next frame: one the writer is done with, when there is one.
  FrameImage takeBuffer();
  // Queues the frame; waits while the queue is full. Throws the writer's error once it failed.
  void push(FrameImage frame);
  // Writes what is queued and finishes the writer; throws its error.
  void finish();

 private:
  void run();
  void stop();
  void throwIfFailed();

  FrameWriter& writer_;
  std::size_t capacity_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<FrameImage> queue_;
  std::vector<FrameImage> spare_;
  bool closing_ = false;
  std::exception_ptr failure_;
  std::thread thread_;
};

}  // namespace shakeplay::exporting
