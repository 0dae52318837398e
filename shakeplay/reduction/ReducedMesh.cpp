#include "shakeplay/reduction/ReducedMesh.h"

#include <bit>
#include <cmath>
#include <cstddef>

namespace shakeplay {
namespace {

constexpr std::int32_t kNone = -1;

// Every shown triangle's corners, listed per point: the triangles around each point.
struct PointFans {
  std::vector<std::int32_t> start;   // pointCount + 1 offsets into `corner`
  std::vector<std::int32_t> corner;  // triangle * 3 + corner number

  PointFans(int pointCount, std::span<const std::int32_t> triangles, std::span<const std::uint8_t> shown)
      : start(static_cast<std::size_t>(pointCount) + 1, 0) {
    const std::size_t count = shown.size();
    for (std::size_t t = 0; t < count; ++t) {
      if (shown[t] == 0) continue;
      for (std::size_t c = 0; c < 3; ++c) ++start[static_cast<std::size_t>(triangles[3 * t + c]) + 1];
    }
    for (std::size_t p = 0; p < static_cast<std::size_t>(pointCount); ++p) start[p + 1] += start[p];
    corner.resize(static_cast<std::size_t>(start.back()));
    std::vector<std::int32_t> next(start.begin(), start.end() - 1);
    for (std::size_t t = 0; t < count; ++t) {
      if (shown[t] == 0) continue;
      for (std::size_t c = 0; c < 3; ++c) {
        const auto p = static_cast<std::size_t>(triangles[3 * t + c]);
        corner[static_cast<std::size_t>(next[p]++)] = static_cast<std::int32_t>(3 * t + c);
      }
    }
  }
};

// The cube a point lies in, as one 64-bit key (21 bits an axis, far more than a view needs).
std::uint64_t cubeKey(const RestPoint& p, float inverseCell) {
  const auto axis = [&](float v) {
    return static_cast<std::uint64_t>(static_cast<std::int64_t>(std::floor(v * inverseCell)) + (1 << 20)) &
           0x1FFFFF;
  };
  return axis(p.x) << 42 | axis(p.y) << 21 | axis(p.z);
}

// Cube keys to the point that stands for the cube: open addressing, linear probing.
class CubeTable {
 public:
  explicit CubeTable(std::size_t expected)
      : mask_(std::bit_ceil(2 * expected + 2) - 1), keys_(mask_ + 1), points_(mask_ + 1, kNone) {}

  // The point standing for the key's cube; `point` becomes it when the cube has none yet.
  std::int32_t standIn(std::uint64_t key, std::int32_t point) {
    std::size_t slot = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 20) & mask_;
    while (points_[slot] != kNone) {
      if (keys_[slot] == key) return points_[slot];
      slot = (slot + 1) & mask_;
    }
    keys_[slot] = key;
    points_[slot] = point;
    return point;
  }

 private:
  std::size_t mask_;
  std::vector<std::uint64_t> keys_;
  std::vector<std::int32_t> points_;
};

}  // namespace

std::vector<std::uint8_t> borderPoints(int pointCount, std::span<const std::int32_t> triangles,
                                       std::span<const std::uint8_t> shown) {
  const PointFans fans(pointCount, triangles, shown);
  std::vector<std::uint8_t> border(static_cast<std::size_t>(pointCount), 0);
  // An edge p-q is on the border when, among the triangles around p, one alone has q as a corner.
  std::vector<std::int32_t> neighbours;
  for (std::size_t p = 0; p < static_cast<std::size_t>(pointCount); ++p) {
    neighbours.clear();
    for (auto i = fans.start[p]; i < fans.start[p + 1]; ++i) {
      const auto at = static_cast<std::size_t>(fans.corner[static_cast<std::size_t>(i)]);
      const std::size_t first = at - at % 3;
      for (std::size_t c = 0; c < 3; ++c) {
        if (first + c != at) neighbours.push_back(triangles[first + c]);
      }
    }
    for (const std::int32_t q : neighbours) {
      int uses = 0;
      for (const std::int32_t other : neighbours) uses += other == q ? 1 : 0;
      if (uses == 1) {
        border[p] = 1;
        border[static_cast<std::size_t>(q)] = 1;
      }
    }
  }
  return border;
}

ReducedMesh reduceMesh(std::span<const RestPoint> rest, std::span<const std::int32_t> triangles,
                       std::span<const std::uint8_t> shown, std::span<const std::uint8_t> pinned,
                       float cell) {
  const std::size_t pointCount = rest.size();
  // Which point stands for each used point, by walking the points in order: the first of a cube.
  std::vector<std::int32_t> standIn(pointCount, kNone);
  for (std::size_t t = 0; t < shown.size(); ++t) {
    if (shown[t] == 0) continue;
    for (std::size_t c = 0; c < 3; ++c) standIn[static_cast<std::size_t>(triangles[3 * t + c])] = 0;
  }
  CubeTable cubes(pointCount);
  const float inverseCell = 1.0f / cell;
  for (std::size_t p = 0; p < pointCount; ++p) {
    if (standIn[p] == kNone) continue;
    const auto self = static_cast<std::int32_t>(p);
    standIn[p] = pinned[p] != 0 ? self : cubes.standIn(cubeKey(rest[p], inverseCell), self);
  }
  // The kept points, numbered in order.
  ReducedMesh mesh;
  std::vector<std::int32_t> number(pointCount, kNone);
  for (std::size_t p = 0; p < pointCount; ++p) {
    if (standIn[p] == static_cast<std::int32_t>(p)) {
      number[p] = static_cast<std::int32_t>(mesh.points.size());
      mesh.points.push_back(static_cast<std::int32_t>(p));
    }
  }
  for (std::size_t t = 0; t < shown.size(); ++t) {
    if (shown[t] == 0) continue;
    std::int32_t corner[3];
    for (std::size_t c = 0; c < 3; ++c) {
      corner[c] = number[static_cast<std::size_t>(standIn[static_cast<std::size_t>(triangles[3 * t + c])])];
    }
    if (corner[0] == corner[1] || corner[1] == corner[2] || corner[0] == corner[2]) continue;
    mesh.triangles.insert(mesh.triangles.end(), corner, corner + 3);
  }
  return mesh;
}

void gatherPoints(std::span<const FramePoint> frame, std::span<const std::int32_t> points,
                  std::vector<FramePoint>& out) {
  out.resize(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) out[i] = frame[static_cast<std::size_t>(points[i])];
}

}  // namespace shakeplay
