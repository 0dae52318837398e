// How the result file frames the model: the view matrix it was last seen through and the radius
// of the sphere about its centre that holds it. The model view's projection and first rotation
// come from here.
#pragma once

#include <array>

namespace shakeplay {

template <class T>
std::array<T, 16> identityMatrix() {
  std::array<T, 16> m{};
  m[0] = m[5] = m[10] = m[15] = T(1);
  return m;
}

struct ViewFraming {
  std::array<double, 16> viewMatrix = identityMatrix<double>();  // column-major
  float radius = 0.0f;
  float radiusBase = 0.0f;
};

}  // namespace shakeplay
