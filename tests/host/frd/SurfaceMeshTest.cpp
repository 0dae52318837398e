// The outer surface and feature lines of box meshes of every element kind.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "results/frd/FeatureEdges.h"
#include "results/frd/SurfaceMesh.h"
#include "tests/host/frd/BoxMesh.h"
#include "tests/host/frd/SurfaceChecks.h"

namespace host::results::test {
namespace {

constexpr std::array<int, 3> kCells{3, 2, 2};
constexpr std::array<double, 3> kSize{1.3, 0.7, 0.45};

using Vec = std::array<double, 3>;

Vec minus(const Vec& a, const Vec& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec cross(const Vec& a, const Vec& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

std::set<int> boxBoundaryNodes(const BoxMesh& mesh) {
  std::set<int> nodes;
  for (std::size_t n = 0; n < mesh.unsheared.size(); ++n) {
    for (int a = 0; a < 3; ++a) {
      const double v = mesh.unsheared[n][a];
      if (std::abs(v) < 1e-12 || std::abs(v - mesh.size[a]) < 1e-12) nodes.insert(static_cast<int>(n));
    }
  }
  return nodes;
}

int segments(const std::vector<std::vector<int>>& lines) {
  int n = 0;
  for (const auto& line : lines) n += static_cast<int>(line.size()) - 1;
  return n;
}

// A box mesh of 3 x 2 x 2 cells (3 x 2 for shells) and its surface.
struct BoxSurface {
  BoxMesh mesh;
  FrdFile file;
  std::vector<SurfaceFace> faces;
  std::vector<std::int32_t> triangles;
};

BoxSurface boxSurface(Cell cell) {
  BoxSurface s{boxMesh(cell, kCells, kSize), {}, {}, {}};
  s.file = asFrdFile(s.mesh);
  s.faces = outerFaces(s.file.elements);
  s.triangles = triangulate(s.faces, s.file.nodes);
  return s;
}

struct VolumeCase {
  Cell cell;
  int triangles;   // for 3 x 2 x 2 cells
  int edgePoints;  // of the twelve feature lines along the box's edges
};

class VolumeSurface : public testing::TestWithParam<VolumeCase> {};

TEST_P(VolumeSurface, IsClosedFacesOutAndCarriesEveryBoundaryNode) {
  const BoxSurface s = boxSurface(GetParam().cell);
  const auto& [mesh, file, faces, triangles] = s;

  EXPECT_EQ(static_cast<int>(triangles.size()) / 3, GetParam().triangles);
  EXPECT_TRUE(closedAndConsistent(triangles));
  EXPECT_NEAR(enclosedVolume(triangles, file.nodes), 1.3 * 0.7 * 0.45, 1e-9);
  EXPECT_EQ(std::set<int>(triangles.begin(), triangles.end()), boxBoundaryNodes(mesh));
  for (const SurfaceFace& face : faces) {  // each face looks away from its own element
    Vec faceCentre{}, elementCentre{};
    for (int i = 0; i < face.cornerCount; ++i) {
      for (int a = 0; a < 3; ++a) faceCentre[a] += file.nodes[face.corners[i]][a] / face.cornerCount;
    }
    const auto& element = file.elements[face.element].nodes;
    for (const int n : element) {
      for (int a = 0; a < 3; ++a) elementCentre[a] += file.nodes[n][a] / static_cast<double>(element.size());
    }
    EXPECT_GT(dot(faceNormal(face, file.nodes), minus(faceCentre, elementCentre)), 0.0);
  }

  const auto lines = featureLines(faces, file.nodes, kDefaultFeatureAngle);
  EXPECT_EQ(lines.size(), 12u);
  int points = 0;
  for (const auto& line : lines) points += static_cast<int>(line.size());
  EXPECT_EQ(points, GetParam().edgePoints);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, VolumeSurface,
                         testing::Values(VolumeCase{Cell::Hex8, 64, 40}, VolumeCase{Cell::Hex20, 192, 68},
                                         VolumeCase{Cell::Wedge6, 64, 40}, VolumeCase{Cell::Wedge15, 216, 68},
                                         VolumeCase{Cell::Tet4, 64, 40}, VolumeCase{Cell::Tet10, 256, 68}),
                         [](const auto& test) { return std::string(ccxName(test.param.cell)); });

struct ShellCase {
  Cell cell;
  int triangles;  // for 3 x 2 cells
  std::size_t outlinePoints;
};

class ShellSurface : public testing::TestWithParam<ShellCase> {};

TEST_P(ShellSurface, KeepsEveryElementAsItIsWithItsOutlineAsOneLoop) {
  const BoxSurface s = boxSurface(GetParam().cell);
  const auto& [mesh, file, faces, triangles] = s;

  EXPECT_EQ(static_cast<int>(triangles.size()) / 3, GetParam().triangles);
  EXPECT_EQ(std::set<int>(triangles.begin(), triangles.end()).size(), mesh.nodes.size());
  double area = 0.0;
  for (std::size_t i = 0; i < triangles.size(); i += 3) {
    const auto& p = file.nodes;
    const Vec n =
        cross(minus(p[triangles[i + 1]], p[triangles[i]]), minus(p[triangles[i + 2]], p[triangles[i]]));
    EXPECT_GT(n[2], 0.0);  // the elements' own turning sense, counter-clockwise seen from +z
    area += std::sqrt(dot(n, n)) / 2.0;
  }
  EXPECT_NEAR(area, 1.3 * 0.7, 1e-9);

  const auto lines = featureLines(faces, file.nodes, kDefaultFeatureAngle);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].size(), GetParam().outlinePoints);
  EXPECT_EQ(lines[0].front(), lines[0].back());
}

INSTANTIATE_TEST_SUITE_P(EveryKind, ShellSurface,
                         testing::Values(ShellCase{Cell::Quad4, 12, 11}, ShellCase{Cell::Quad8, 36, 21},
                                         ShellCase{Cell::Tri3, 12, 11}, ShellCase{Cell::Tri6, 48, 21}),
                         [](const auto& test) { return std::string(ccxName(test.param.cell)); });

// The sheared box's faces meet at 78.6, 84.3, 88.9, 91.1, 95.7 and 101.4 degrees, two box
// edges each; the box edges along x have 3 segments, those along y and z have 2.
TEST(FeatureLines, DrawAnEdgeOnlyWhereItsFacesMeetAtMoreThanTheAngle) {
  const FrdFile file = asFrdFile(boxMesh(Cell::Hex8, kCells, kSize));
  const std::vector<SurfaceFace> faces = outerFaces(file.elements);
  EXPECT_EQ(segments(featureLines(faces, file.nodes, 78.0)), 28);
  EXPECT_EQ(segments(featureLines(faces, file.nodes, 90.0)), 14);
  EXPECT_EQ(segments(featureLines(faces, file.nodes, 101.0)), 4);
  EXPECT_EQ(segments(featureLines(faces, file.nodes, 102.0)), 0);
}

TEST(OuterFaces, ACollapsedBrickIsTheWedgeItsCornersMake) {
  // One brick whose corners 3 = 4 and 7 = 8 coincide: a wedge of volume 0.5 x 2 x 1.5 x 0.5.
  FrdFile file;
  file.nodes = {{0, 0, 0}, {2, 0, 0}, {2, 1.5, 0}, {0, 0, 0.5}, {2, 0, 0.5}, {2, 1.5, 0.5}};
  file.elements.push_back({1, 1, {0, 1, 2, 2, 3, 4, 5, 5}, 1});
  const std::vector<SurfaceFace> faces = outerFaces(file.elements);
  const std::vector<std::int32_t> triangles = triangulate(faces, file.nodes);
  EXPECT_EQ(faces.size(), 5u);
  EXPECT_EQ(triangles.size() / 3, 8u);
  EXPECT_TRUE(closedAndConsistent(triangles));
  EXPECT_NEAR(enclosedVolume(triangles, file.nodes), 0.75, 1e-12);
}

TEST(Triangulate, CutsALinearQuadrilateralAlongItsShorterDiagonal) {
  const NodeCoordinates nodes{{0, 0, 0}, {3, 0, 0}, {3.5, 1, 0}, {0, 1, 0}};  // 0-2 is 3.64 long, 1-3 is 3.16
  SurfaceFace face;
  face.cornerCount = 4;
  face.corners = {0, 1, 2, 3};
  EXPECT_EQ(triangulate({face}, nodes), (std::vector<std::int32_t>{0, 1, 3, 1, 2, 3}));
}

}  // namespace
}  // namespace host::results::test
