// Arrays that the two load tools' blocks both carry, each at its own offset.
#pragma once

#include <cstddef>

#include "host/layouts/NamedLayout.h"

namespace host {

// The names of points 1, 2, 3: three texts of 11 characters run together.
inline ArraySpec pointNameArray(std::size_t offset) {
  return layoutArray("pointName", offset, FieldType::Text, 3, 11, 11);
}

// The nine values point by point, then direction: [p1 d1, p1 d2, p1 d3, p2 d1, ...].
inline ArraySpec valueArray(std::size_t offset) {
  return layoutArray("value", offset, FieldType::Double, 9, sizeof(double));
}

}  // namespace host
