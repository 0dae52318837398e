#include "results/frd/SurfaceMesh.h"

#include <algorithm>
#include <cmath>

#include "results/frd/ElementShapes.h"

namespace host::results {
namespace {

// A face of an element, known by its sorted corners so that the two sides of a shared face meet.
struct FaceUse {
  std::array<int, 4> key;
  int element;
  int face;
};

// The face with node indices, repeated corners (of a collapsed element) left out.
SurfaceFace resolve(const FrdElement& element, const ElementFace& local, int elementIndex) {
  SurfaceFace face;
  face.element = elementIndex;
  for (int i = 0; i < local.cornerCount; ++i) {
    const int corner = element.nodes[local.corners[i]];
    const int next = element.nodes[local.corners[(i + 1) % local.cornerCount]];
    if (corner == next) continue;
    face.corners[face.cornerCount] = corner;
    face.mids[face.cornerCount] = local.mids[i] >= 0 ? element.nodes[local.mids[i]] : -1;
    ++face.cornerCount;
  }
  return face;
}

std::array<int, 4> sortedCorners(const SurfaceFace& face) {
  std::array<int, 4> key{-1, -1, -1, -1};
  // An insertion sort by hand: GCC 12 warns falsely about std::sort on four elements.
  for (int i = 0; i < face.cornerCount; ++i) {
    int j = i;
    for (; j > 0 && key[j - 1] > face.corners[i]; --j) key[j] = key[j - 1];
    key[j] = face.corners[i];
  }
  return key;
}

double distance2(const NodeCoordinates& nodes, int a, int b) {
  double sum = 0.0;
  for (int i = 0; i < 3; ++i) sum += (nodes[a][i] - nodes[b][i]) * (nodes[a][i] - nodes[b][i]);
  return sum;
}

// A triangle or a quadrilateral (corners in turning order); the quadrilateral along its shorter diagonal.
void addPolygon(const std::array<int, 4>& v, int count, const NodeCoordinates& nodes,
                std::vector<std::int32_t>& out) {
  if (count == 3) {
    out.insert(out.end(), {v[0], v[1], v[2]});
  } else if (distance2(nodes, v[0], v[2]) <= distance2(nodes, v[1], v[3])) {
    out.insert(out.end(), {v[0], v[1], v[2], v[0], v[2], v[3]});
  } else {
    out.insert(out.end(), {v[0], v[1], v[3], v[1], v[2], v[3]});
  }
}

bool isQuadratic(const SurfaceFace& face) {
  return std::all_of(face.mids.begin(), face.mids.begin() + face.cornerCount, [](int m) { return m >= 0; });
}

}  // namespace

std::vector<SurfaceFace> outerFaces(const std::vector<FrdElement>& elements) {
  std::vector<FaceUse> uses;
  std::vector<SurfaceFace> faces;
  for (std::size_t e = 0; e < elements.size(); ++e) {
    const ElementShape& shape = elementShape(elements[e].type);
    for (std::size_t f = 0; f < shape.faces.size(); ++f) {
      const SurfaceFace face = resolve(elements[e], shape.faces[f], static_cast<int>(e));
      if (face.cornerCount < 3) continue;
      if (shape.kind == ElementKind::Shell) {
        faces.push_back(face);
      } else {
        uses.push_back({sortedCorners(face), static_cast<int>(e), static_cast<int>(f)});
      }
    }
  }
  std::sort(uses.begin(), uses.end(), [](const FaceUse& a, const FaceUse& b) { return a.key < b.key; });
  for (std::size_t i = 0; i < uses.size();) {
    std::size_t j = i + 1;
    while (j < uses.size() && uses[j].key == uses[i].key) ++j;
    if (j == i + 1) {
      const FrdElement& element = elements[uses[i].element];
      faces.push_back(resolve(element, elementShape(element.type).faces[uses[i].face], uses[i].element));
    }
    i = j;
  }
  std::stable_sort(faces.begin(), faces.end(),
                   [](const SurfaceFace& a, const SurfaceFace& b) { return a.element < b.element; });
  return faces;
}

std::vector<std::int32_t> triangulate(const std::vector<SurfaceFace>& faces, const NodeCoordinates& nodes) {
  std::vector<std::int32_t> triangles;
  for (const SurfaceFace& face : faces) {
    const int n = face.cornerCount;
    if (!isQuadratic(face)) {
      addPolygon(face.corners, n, nodes, triangles);
      continue;
    }
    for (int i = 0; i < n; ++i) {
      triangles.insert(triangles.end(), {face.corners[i], face.mids[i], face.mids[(i + n - 1) % n]});
    }
    addPolygon(face.mids, n, nodes, triangles);
  }
  return triangles;
}

std::array<double, 3> faceNormal(const SurfaceFace& face, const NodeCoordinates& nodes) {
  std::vector<int> loop;
  for (int i = 0; i < face.cornerCount; ++i) {
    loop.push_back(face.corners[i]);
    if (face.mids[i] >= 0) loop.push_back(face.mids[i]);
  }
  // Newell's normal: the sum of the loop's edge cross products, exact for flat polygons.
  std::array<double, 3> n{};
  for (std::size_t i = 0; i < loop.size(); ++i) {
    const auto& p = nodes[loop[i]];
    const auto& q = nodes[loop[(i + 1) % loop.size()]];
    n[0] += (p[1] - q[1]) * (p[2] + q[2]);
    n[1] += (p[2] - q[2]) * (p[0] + q[0]);
    n[2] += (p[0] - q[0]) * (p[1] + q[1]);
  }
  const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
  if (length > 0.0) {
    for (double& c : n) c /= length;
  }
  return n;
}

}  // namespace host::results
