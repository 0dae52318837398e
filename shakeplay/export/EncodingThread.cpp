#include "shakeplay/export/EncodingThread.h"

#include <utility>

namespace shakeplay::exporting {

EncodingThread::EncodingThread(FrameWriter& writer, std::size_t waitingFrames)
    : writer_(writer), capacity_(waitingFrames < 1 ? 1 : waitingFrames), thread_([this] { run(); }) {}

EncodingThread::~EncodingThread() { stop(); }

void EncodingThread::stop() {
  {
    const std::lock_guard lock(mutex_);
    closing_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void EncodingThread::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return !queue_.empty() || closing_; });
    if (queue_.empty() || failure_) return;
    FrameImage frame = std::move(queue_.front());
    lock.unlock();
    std::exception_ptr failure;
    try {
      writer_.write(frame);
    } catch (...) {
      failure = std::current_exception();
    }
    lock.lock();
    queue_.pop_front();
    spare_.push_back(std::move(frame));
    if (failure) failure_ = failure;
    changed_.notify_all();
  }
}

void EncodingThread::throwIfFailed() {
  if (failure_) std::rethrow_exception(failure_);
}

FrameImage EncodingThread::takeBuffer() {
  const std::lock_guard lock(mutex_);
  if (spare_.empty()) return {};
  FrameImage frame = std::move(spare_.back());
  spare_.pop_back();
  return frame;
}

void EncodingThread::push(FrameImage frame) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return queue_.size() < capacity_ || failure_; });
  throwIfFailed();
  queue_.push_back(std::move(frame));
  changed_.notify_all();
}

void EncodingThread::finish() {
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queue_.empty() || failure_; });
    throwIfFailed();
  }
  stop();
  writer_.finish();
}

}  // namespace shakeplay::exporting
