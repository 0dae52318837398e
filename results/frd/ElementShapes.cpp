#include "results/frd/ElementShapes.h"

#include <vector>

namespace host::results {
namespace {

struct Corners {
  int count;
  std::array<int, 4> at;
};

// A node halfway between two corners of the element.
struct MidNode {
  int a, b, mid;
};

// The corner faces of the linear volume elements, counter-clockwise seen from outside.
constexpr Corners kHexFaces[] = {{4, {0, 3, 2, 1}}, {4, {4, 5, 6, 7}}, {4, {0, 1, 5, 4}},
                                 {4, {1, 2, 6, 5}}, {4, {2, 3, 7, 6}}, {4, {3, 0, 4, 7}}};
constexpr Corners kWedgeFaces[] = {
    {3, {0, 2, 1, 0}}, {3, {3, 4, 5, 0}}, {4, {0, 1, 4, 3}}, {4, {1, 2, 5, 4}}, {4, {2, 0, 3, 5}}};
constexpr Corners kTetFaces[] = {{3, {0, 2, 1, 0}}, {3, {0, 1, 3, 0}}, {3, {0, 3, 2, 0}}, {3, {1, 2, 3, 0}}};
constexpr Corners kTriangleFace[] = {{3, {0, 1, 2, 0}}};
constexpr Corners kQuadFace[] = {{4, {0, 1, 2, 3}}};

// Where the quadratic elements keep their mid-edge nodes. The 20-node brick lists the four
// edges between its bottom and top faces before the edges of its top face; the 15-node wedge
// does the same.
constexpr MidNode kHex20Mids[] = {{0, 1, 8},  {1, 2, 9},  {2, 3, 10}, {3, 0, 11}, {0, 4, 12}, {1, 5, 13},
                                  {2, 6, 14}, {3, 7, 15}, {4, 5, 16}, {5, 6, 17}, {6, 7, 18}, {7, 4, 19}};
constexpr MidNode kWedge15Mids[] = {{0, 1, 6},  {1, 2, 7},  {2, 0, 8},  {0, 3, 9}, {1, 4, 10},
                                    {2, 5, 11}, {3, 4, 12}, {4, 5, 13}, {5, 3, 14}};
constexpr MidNode kTet10Mids[] = {{0, 1, 4}, {1, 2, 5}, {2, 0, 6}, {0, 3, 7}, {1, 3, 8}, {2, 3, 9}};
constexpr MidNode kTriangle6Mids[] = {{0, 1, 3}, {1, 2, 4}, {2, 0, 5}};
constexpr MidNode kQuad8Mids[] = {{0, 1, 4}, {1, 2, 5}, {2, 3, 6}, {3, 0, 7}};

int midBetween(std::span<const MidNode> mids, int a, int b) {
  for (const MidNode& m : mids) {
    if ((m.a == a && m.b == b) || (m.a == b && m.b == a)) return m.mid;
  }
  return -1;
}

std::vector<ElementFace> facesOf(std::span<const Corners> corners, std::span<const MidNode> mids) {
  std::vector<ElementFace> faces;
  for (const Corners& c : corners) {
    ElementFace face;
    face.cornerCount = c.count;
    face.corners = c.at;
    for (int i = 0; i < c.count && !mids.empty(); ++i)
      face.mids[i] = midBetween(mids, c.at[i], c.at[(i + 1) % c.count]);
    faces.push_back(face);
  }
  return faces;
}

struct ShapeTable {
  std::vector<std::vector<ElementFace>> faces;
  std::array<ElementShape, 13> shapes;

  ElementShape make(ElementKind kind, const char* name, int nodes, std::span<const Corners> corners,
                    std::span<const MidNode> mids = {}) {
    faces.push_back(facesOf(corners, mids));
    return {kind, name, nodes, {}};
  }

  ShapeTable() {
    faces.reserve(10);
    shapes[0] = {};
    shapes[1] = make(ElementKind::Volume, "8-node brick", 8, kHexFaces);
    shapes[2] = make(ElementKind::Volume, "6-node wedge", 6, kWedgeFaces);
    shapes[3] = make(ElementKind::Volume, "4-node tetrahedron", 4, kTetFaces);
    shapes[4] = make(ElementKind::Volume, "20-node brick", 20, kHexFaces, kHex20Mids);
    shapes[5] = make(ElementKind::Volume, "15-node wedge", 15, kWedgeFaces, kWedge15Mids);
    shapes[6] = make(ElementKind::Volume, "10-node tetrahedron", 10, kTetFaces, kTet10Mids);
    shapes[7] = make(ElementKind::Shell, "3-node shell", 3, kTriangleFace);
    shapes[8] = make(ElementKind::Shell, "6-node shell", 6, kTriangleFace, kTriangle6Mids);
    shapes[9] = make(ElementKind::Shell, "4-node shell", 4, kQuadFace);
    shapes[10] = make(ElementKind::Shell, "8-node shell", 8, kQuadFace, kQuad8Mids);
    shapes[11] = {ElementKind::Beam, "2-node beam", 2, {}};
    shapes[12] = {ElementKind::Beam, "3-node beam", 3, {}};
    for (int type = 1; type <= 10; ++type) shapes[type].faces = faces[type - 1];
  }
};

}  // namespace

const ElementShape& elementShape(int type) {
  static const ShapeTable table;
  static const ElementShape unknown{};
  return type >= 1 && type < static_cast<int>(table.shapes.size()) ? table.shapes[type] : unknown;
}

}  // namespace host::results
