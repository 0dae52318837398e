#include "shakeplay/navigation/Matrix4.h"

#include <cmath>
#include <numbers>

namespace shakeplay {

Matrix4 identity4() {
  Matrix4 m{};
  m[0] = m[5] = m[10] = m[15] = 1.0f;
  return m;
}

Matrix4 multiply(const Matrix4& a, const Matrix4& b) {
  Matrix4 r{};
  for (int column = 0; column < 4; ++column) {
    for (int row = 0; row < 4; ++row) {
      float sum = 0.0f;
      for (int k = 0; k < 4; ++k) sum += a[k * 4 + row] * b[column * 4 + k];
      r[column * 4 + row] = sum;
    }
  }
  return r;
}

Matrix4 translation(float x, float y, float z) {
  Matrix4 m = identity4();
  m[12] = x;
  m[13] = y;
  m[14] = z;
  return m;
}

Matrix4 rotation(float degrees, float x, float y, float z) {
  const float length = std::sqrt(x * x + y * y + z * z);
  if (length == 0.0f) return identity4();
  x /= length;
  y /= length;
  z /= length;
  const float radians = degrees * static_cast<float>(std::numbers::pi / 180.0);
  const float c = std::cos(radians), s = std::sin(radians), t = 1.0f - c;
  Matrix4 m = identity4();
  m[0] = x * x * t + c;
  m[1] = y * x * t + z * s;
  m[2] = x * z * t - y * s;
  m[4] = x * y * t - z * s;
  m[5] = y * y * t + c;
  m[6] = y * z * t + x * s;
  m[8] = x * z * t + y * s;
  m[9] = y * z * t - x * s;
  m[10] = z * z * t + c;
  return m;
}

std::array<float, 3> transformPoint(const Matrix4& m, float x, float y, float z) {
  return {m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
          m[2] * x + m[6] * y + m[10] * z + m[14]};
}

}  // namespace shakeplay
