// The element types of a .frd file: how many nodes each has, and its faces as the file's node
// order gives them. Faces of volume elements are listed with their corners counter-clockwise
// seen from outside (the right-hand normal points out of the element); a shell element is one
// face, its corners in node order.
#pragma once

#include <array>
#include <span>

namespace host::results {

struct ElementFace {
  int cornerCount = 0;           // 3 or 4
  std::array<int, 4> corners{};  // element-local node positions
  std::array<int, 4> mids{-1, -1, -1,
                          -1};  // quadratic elements: the node halfway along edge i (corner i to i + 1)
};

enum class ElementKind { Volume, Shell, Beam, Unknown };

struct ElementShape {
  ElementKind kind = ElementKind::Unknown;
  const char* name = "";
  int nodeCount = 0;
  std::span<const ElementFace> faces;
};

// The shape of a .frd element type number; kind Unknown for a number the format does not define.
const ElementShape& elementShape(int type);

}  // namespace host::results
