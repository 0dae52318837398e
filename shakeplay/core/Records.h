// The per-point and per-edge-point records of the result and the animation, and the buffer that holds them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <type_traits>

namespace shakeplay {

// Undeformed position of a point, about the model's centre.
struct RestPoint {
  float x, y, z;
};

// The sums of the step a point is approaching (floats holding integer values) and the colour
// value of that step.
struct PointTarget {
  float x, y, z;
  float value;
};

// A shown state or a per-sub-frame increment: position, colour and colour value (0..250 scale).
struct FramePoint {
  float x, y, z;
  float red, green, blue;
  float value;
};

// A deformed edge point (or its increment) and the sums of the step being approached.
struct FrameEdge {
  float x, y, z;
  std::int32_t targetX, targetY, targetZ;
};

// An undeformed edge point as the file gives it: n is non-zero on the first point of a polyline.
struct EdgePoint {
  std::int32_t n;
  float x, y, z;
};

// Memory for the result's and the animation's arrays: large blocks come straight from the kernel in huge
// pages where it has them (a load then takes few page faults); throws std::bad_alloc.
void* allocateBlock(std::size_t bytes);
void releaseBlock(void* block, std::size_t bytes);

struct BlockRelease {
  std::size_t bytes = 0;
  void operator()(void* block) const { releaseBlock(block, bytes); }
};

// A fixed-size array of plain records allocated once, not zero-filled (the reader overwrites
// it whole).
template <class T>
class Buffer {
  static_assert(std::is_trivially_copyable_v<T>, "a Buffer holds plain records");

 public:
  Buffer() = default;
  explicit Buffer(std::size_t count)
      : data_(static_cast<T*>(allocateBlock(checkedBytes(count))), BlockRelease{count * sizeof(T)}),
        size_(count) {}

  T* data() { return data_.get(); }
  const T* data() const { return data_.get(); }
  std::size_t size() const { return size_; }
  T& operator[](std::size_t i) { return data_.get()[i]; }
  const T& operator[](std::size_t i) const { return data_.get()[i]; }
  T* begin() { return data_.get(); }
  T* end() { return data_.get() + size_; }
  const T* begin() const { return data_.get(); }
  const T* end() const { return data_.get() + size_; }

 private:
  static std::size_t checkedBytes(std::size_t count) {
    if (count > SIZE_MAX / sizeof(T)) throw std::bad_alloc();
    return count * sizeof(T);
  }
  std::unique_ptr<T, BlockRelease> data_;
  std::size_t size_ = 0;
};

}  // namespace shakeplay
