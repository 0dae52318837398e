// The per-point and per-edge-point records the document keeps, and the buffer that holds them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace shakeplay {

// Undeformed position, the sums of the step being approached (floats holding integer values)
// and the colour value of that step.
struct RestPoint {
  float x, y, z;
  float targetX, targetY, targetZ;
  float targetValue;
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

// A fixed-size array allocated once, without zero-filling (the reader overwrites it whole).
template <class T>
class Buffer {
 public:
  Buffer() = default;
  explicit Buffer(std::size_t count)
      : data_(std::make_unique_for_overwrite<T[]>(count)), size_(count) {}

  T* data() { return data_.get(); }
  const T* data() const { return data_.get(); }
  std::size_t size() const { return size_; }
  T& operator[](std::size_t i) { return data_[i]; }
  const T& operator[](std::size_t i) const { return data_[i]; }
  T* begin() { return data_.get(); }
  T* end() { return data_.get() + size_; }
  const T* begin() const { return data_.get(); }
  const T* end() const { return data_.get() + size_; }

 private:
  std::unique_ptr<T[]> data_;
  std::size_t size_ = 0;
};

}  // namespace shakeplay
