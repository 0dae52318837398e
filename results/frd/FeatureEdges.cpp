#include "results/frd/FeatureEdges.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace host::results {
namespace {

struct EdgeUse {
  int low, high;  // the edge's corners, the lower node index first
  int mid;
  int face;
};

struct Edge {
  int a, b, mid;
};

double dot(const std::array<double, 3>& u, const std::array<double, 3>& v) {
  return u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
}

std::vector<Edge> featureEdges(const std::vector<SurfaceFace>& faces, const NodeCoordinates& nodes,
                               double angleDegrees) {
  std::vector<EdgeUse> uses;
  std::vector<std::array<double, 3>> normals;
  for (std::size_t f = 0; f < faces.size(); ++f) {
    const SurfaceFace& face = faces[f];
    normals.push_back(faceNormal(face, nodes));
    for (int i = 0; i < face.cornerCount; ++i) {
      const int a = face.corners[i], b = face.corners[(i + 1) % face.cornerCount];
      uses.push_back({std::min(a, b), std::max(a, b), face.mids[i], static_cast<int>(f)});
    }
  }
  std::sort(uses.begin(), uses.end(), [](const EdgeUse& u, const EdgeUse& v) {
    return u.low != v.low ? u.low < v.low : u.high != v.high ? u.high < v.high : u.face < v.face;
  });
  const double cosLimit = std::cos(angleDegrees * std::numbers::pi / 180.0);
  std::vector<Edge> edges;
  for (std::size_t i = 0; i < uses.size();) {
    std::size_t j = i + 1;
    while (j < uses.size() && uses[j].low == uses[i].low && uses[j].high == uses[i].high) ++j;
    const auto& n1 = normals[uses[i].face];
    bool sharp = j - i != 2;
    if (!sharp) {
      const auto& n2 = normals[uses[i + 1].face];
      // A degenerate face (zero normal) has no say.
      sharp = dot(n1, n1) > 0.0 && dot(n2, n2) > 0.0 && dot(n1, n2) < cosLimit;
    }
    if (sharp) edges.push_back({uses[i].low, uses[i].high, uses[i].mid});
    i = j;
  }
  return edges;
}

}  // namespace

std::vector<std::vector<int>> featureLines(const std::vector<SurfaceFace>& faces,
                                           const NodeCoordinates& nodes, double angleDegrees) {
  const std::vector<Edge> edges = featureEdges(faces, nodes, angleDegrees);
  std::map<int, std::vector<int>> edgesAt;  // node -> its feature edges, nodes in order
  for (std::size_t e = 0; e < edges.size(); ++e) {
    edgesAt[edges[e].a].push_back(static_cast<int>(e));
    edgesAt[edges[e].b].push_back(static_cast<int>(e));
  }
  std::vector<bool> used(edges.size(), false);
  // Follows edges from `start` along `edge` while the line neither ends, branches nor closes.
  const auto walk = [&](int start, int edge) {
    std::vector<int> line{start};
    int node = start;
    while (edge >= 0) {
      used[edge] = true;
      const Edge& e = edges[edge];
      if (e.mid >= 0) line.push_back(e.mid);
      node = e.a == node ? e.b : e.a;
      line.push_back(node);
      const std::vector<int>& next = edgesAt.at(node);
      edge = -1;
      if (next.size() == 2) {
        for (const int candidate : next) {
          if (!used[candidate]) edge = candidate;
        }
      }
    }
    return line;
  };
  std::vector<std::vector<int>> lines;
  for (const auto& [node, at] : edgesAt) {
    if (at.size() == 2) continue;
    for (const int edge : at) {
      if (!used[edge]) lines.push_back(walk(node, edge));
    }
  }
  for (std::size_t e = 0; e < edges.size(); ++e) {
    if (!used[e]) lines.push_back(walk(edges[e].a, static_cast<int>(e)));
  }
  return lines;
}

}  // namespace host::results
