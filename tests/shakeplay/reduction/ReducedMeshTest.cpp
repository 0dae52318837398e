// The reduced mesh: which points lie on the border, which point stands for each cube, and which
// triangles are left; and the choice of mesh by the size of a pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

#include "shakeplay/reduction/ReducedLevels.h"
#include "shakeplay/reduction/ReducedMesh.h"

namespace shakeplay {
namespace {

// A grid of nx x ny points, x = 0.5 + i and y = -3.25 + 1.0 j (so no coordinate falls on a
// cube's face), z = 0.0625 i: two triangles a square, point p = i + nx j.
struct Grid {
  Grid(int columns, int rows) : nx(columns), ny(rows) {
    for (int j = 0; j < ny; ++j)
      for (int i = 0; i < nx; ++i) rest.push_back({0.5f + i, -3.25f + j, 0.0625f * i});
    for (int j = 0; j + 1 < ny; ++j)
      for (int i = 0; i + 1 < nx; ++i) {
        const int p = i + nx * j;
        triangles.insert(triangles.end(), {p, p + 1, p + nx + 1, p, p + nx + 1, p + nx});
      }
    shown.assign(triangles.size() / 3, 1);
  }
  int point(int i, int j) const { return i + nx * j; }
  std::vector<std::uint8_t> border() const { return borderPoints(nx * ny, triangles, shown); }
  ReducedMesh reduce(float cell) const { return reduceMesh(rest, triangles, shown, border(), cell); }

  int nx, ny;
  std::vector<RestPoint> rest;
  std::vector<std::int32_t> triangles;
  std::vector<std::uint8_t> shown;
};

std::set<int> pointsWhere(const std::vector<std::uint8_t>& flags) {
  std::set<int> points;
  for (std::size_t p = 0; p < flags.size(); ++p)
    if (flags[p] != 0) points.insert(static_cast<int>(p));
  return points;
}

TEST(ReducedMesh, BorderIsTheOutlineAndTheEdgesOfHiddenTriangles) {
  Grid grid(5, 4);
  std::set<int> outline;
  for (int i = 0; i < 5; ++i) outline.insert({grid.point(i, 0), grid.point(i, 3)});
  for (int j = 0; j < 4; ++j) outline.insert({grid.point(0, j), grid.point(4, j)});
  EXPECT_EQ(pointsWhere(grid.border()), outline);
  EXPECT_EQ(outline.size(), 14u);

  // Hiding the triangle (1,1)-(2,1)-(2,2) opens a hole whose edges are border too.
  grid.shown[2 * (1 + 4 * 1)] = 0;
  std::set<int> withHole = outline;
  withHole.insert({grid.point(1, 1), grid.point(2, 1), grid.point(2, 2)});
  EXPECT_EQ(pointsWhere(grid.border()), withHole);
}

TEST(ReducedMesh, CubesSmallerThanTheSpacingKeepEveryTriangle) {
  const Grid grid(6, 5);
  const ReducedMesh mesh = grid.reduce(0.75f);
  ASSERT_EQ(mesh.points.size(), 30u);
  for (std::size_t p = 0; p < 30; ++p) EXPECT_EQ(mesh.points[p], static_cast<int>(p));
  EXPECT_EQ(mesh.triangles, grid.triangles);
}

// 7 x 7 points, cubes of side 2: the 24 points of the outline stand for themselves; the 25
// inner ones (x and y 1.5 .. 5.5 from the first) fall into 3 x 3 cubes, each standing in for by
// its first point: (1,1) (2,1) (4,1), (1,2) (2,2) (4,2), (1,4) (2,4) (4,4).
TEST(ReducedMesh, EachCubeKeepsItsFirstPointAndTheOutlineStays) {
  const Grid grid(7, 7);
  const ReducedMesh mesh = grid.reduce(2.0f);
  std::set<int> expected = pointsWhere(grid.border());
  for (const int j : {1, 2, 4})
    for (const int i : {1, 2, 4}) expected.insert(grid.point(i, j));
  EXPECT_EQ(std::set<int>(mesh.points.begin(), mesh.points.end()), expected);
  EXPECT_TRUE(std::is_sorted(mesh.points.begin(), mesh.points.end()));
  EXPECT_EQ(mesh.points.size(), 33u);

  ASSERT_EQ(mesh.triangles.size() % 3, 0u);
  EXPECT_LT(mesh.triangles.size(), grid.triangles.size());
  for (std::size_t t = 0; t < mesh.triangles.size(); t += 3) {
    const int a = mesh.triangles[t], b = mesh.triangles[t + 1], c = mesh.triangles[t + 2];
    for (const int corner : {a, b, c}) ASSERT_LT(static_cast<std::size_t>(corner), mesh.points.size());
    EXPECT_TRUE(a != b && b != c && a != c) << "triangle " << t / 3 << " lost a corner";
  }
  // The corner square's triangles touch only outline points and (1,1), alone in its cube: kept.
  const auto number = [&](int point) {
    return static_cast<int>(std::find(mesh.points.begin(), mesh.points.end(), point) - mesh.points.begin());
  };
  const std::vector<int> first = {number(grid.point(0, 0)), number(grid.point(1, 0)),
                                  number(grid.point(1, 1))};
  EXPECT_TRUE(std::equal(first.begin(), first.end(), mesh.triangles.begin()));
}

TEST(ReducedMesh, PointsOfNoShownTriangleAreLeftOutAndFramesAreGathered) {
  Grid grid(4, 3);
  std::fill(grid.shown.begin(), grid.shown.end(), 0);
  grid.shown[1] = 1;  // only the triangle 0, 5, 4 is shown
  const ReducedMesh mesh = grid.reduce(0.5f);
  EXPECT_EQ(mesh.points, (std::vector<std::int32_t>{0, 4, 5}));
  EXPECT_EQ(mesh.triangles, (std::vector<std::int32_t>{0, 2, 1}));

  std::vector<FramePoint> frame(12);
  for (std::size_t p = 0; p < frame.size(); ++p)
    frame[p] = {-1.5f * p, 2.0f, 0.25f, 0.1f, 0.2f, 0.3f, 7.0f + p};
  std::vector<FramePoint> gathered;
  gatherPoints(frame, mesh.points, gathered);
  ASSERT_EQ(gathered.size(), 3u);
  EXPECT_EQ(gathered[1].x, -6.0f);
  EXPECT_EQ(gathered[2].value, 12.0f);
}

// The grid as a read result, with `extra` points of no triangle after its own.
LoadedResult resultOf(const Grid& grid, const std::vector<RestPoint>& extra = {}) {
  LoadedResult result;
  result.pointCount = static_cast<int>(grid.rest.size() + extra.size());
  result.triangleCount = static_cast<int>(grid.shown.size());
  result.restPoints = Buffer<RestPoint>(grid.rest.size() + extra.size());
  std::copy(extra.begin(), extra.end(),
            std::copy(grid.rest.begin(), grid.rest.end(), result.restPoints.begin()));
  result.triangles = Buffer<std::int32_t>(grid.triangles.size());
  std::copy(grid.triangles.begin(), grid.triangles.end(), result.triangles.begin());
  result.triangleShown = Buffer<std::uint8_t>(grid.shown.size());
  std::copy(grid.shown.begin(), grid.shown.end(), result.triangleShown.begin());
  return result;
}

// Each pixel size asks for the cube side below kCubePixels times its size, in steps of √2; a
// mesh that keeps too much, or a pixel of no usable size, gives none. The pixels below ask for
// the sides named.
constexpr float pixelFor(float side) { return side / ReducedLevels::kCubePixels; }

TEST(ReducedLevels, PixelSizeChoosesTheStepAndReusesItsMesh) {
  const Grid grid(40, 30);
  const LoadedResult result = resultOf(grid);
  ReducedLevels levels(result);

  for (const float unusable :
       {0.0f, -1.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
    EXPECT_EQ(levels.forPixel(unusable), nullptr) << unusable;
  }
  EXPECT_EQ(levels.forPixel(pixelFor(0.6f)), nullptr) << "cubes of 0.5 keep every triangle";
  // Sides 3.0 and 3.8: both the step of 2√2 = 2.83.
  const ReducedMesh* coarse = levels.forPixel(pixelFor(3.0f));
  ASSERT_NE(coarse, nullptr);
  EXPECT_EQ(levels.forPixel(pixelFor(3.8f)), coarse);
  EXPECT_EQ(coarse->triangles, grid.reduce(2.0f * std::sqrt(2.0f)).triangles);
  const ReducedMesh* coarser = levels.forPixel(pixelFor(4.4f));  // the step of 4
  ASSERT_NE(coarser, nullptr);
  EXPECT_EQ(coarser->triangles, grid.reduce(4.0f).triangles);
  EXPECT_LT(coarser->triangles.size(), coarse->triangles.size());
}

// A point 2^19 cubes of 2√2 from the centre (x = -1,482,912) is more than a cube's key numbers:
// no mesh then, though the grid alone would reduce; one cube nearer, the mesh is made.
TEST(ReducedLevels, ModelSpanningMoreCubesThanAKeyNumbersIsNotReduced) {
  const Grid grid(40, 30);
  const LoadedResult far = resultOf(grid, {{-1482912.0f, 0.25f, 0.0f}});
  ReducedLevels farLevels(far);
  EXPECT_EQ(farLevels.forPixel(pixelFor(3.0f)), nullptr);
  const LoadedResult nearer = resultOf(grid, {{-1482908.0f, 0.25f, 0.0f}});
  ReducedLevels nearerLevels(nearer);
  ASSERT_NE(nearerLevels.forPixel(pixelFor(3.0f)), nullptr);
  EXPECT_EQ(nearerLevels.forPixel(pixelFor(3.0f))->triangles, grid.reduce(2.0f * std::sqrt(2.0f)).triangles);
}

}  // namespace
}  // namespace shakeplay
