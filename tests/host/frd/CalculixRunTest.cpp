// Real CalculiX results: decks written here, solved by ccx, converted by korvena-host and read
// back by shakeplay's own reader. Skipped where ccx is not installed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "results/frd/FrdFile.h"
#include "shakeplay/core/Services.h"
#include "shakeplay/core/ShakeplayDoc.h"
#include "tests/host/HostProcess.h"
#include "tests/host/frd/BoxMesh.h"
#include "tests/host/frd/SurfaceChecks.h"

namespace host::results::test {
namespace {

namespace fs = std::filesystem;

class CalculixRun : public testing::Test {
 protected:
  void SetUp() override {
    if (!host::test::onPath("ccx"))
      GTEST_SKIP() << "ccx is not installed (Debian package calculix-ccx): CalculiX runs are skipped";
  }

  // Solves the deck in the test's folder; the path of its .frd file.
  fs::path solve(const BoxMesh& mesh, int modes, const std::string& job, bool shellsAsShells = false) {
    host::test::writeFile(folder.file(job + ".inp"), frequencyDeck(mesh, modes, shellsAsShells));
    const std::string command = "cd '" + folder.file("").string() + "' && OMP_NUM_THREADS=1 ccx -i " + job +
                                " > " + job + ".log 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << host::test::readFile(folder.file(job + ".log"));
    return folder.file(job + ".frd");
  }

  host::test::HostRun makeResult(std::vector<std::string> options) {
    options.insert(options.begin(), "make-result");
    return host::test::runHost(options, folder);
  }

  host::test::TempFolder folder;
};

// A steel cantilever 1.2 long, 0.1 wide (y) and 0.08 thick (z) of four 20-node bricks,
// clamped at x = 0. Beam theory gives its first bending modes at 46.4 Hz (in z) and 58.0 Hz
// (in y); it has 56 nodes, all on the surface, 18 brick faces outside (6 triangles each), and
// its 12 box edges make 12 feature lines of 9, 3 and 3 points along x, y and z.
TEST_F(CalculixRun, ACantileverSwingsInItsSecondModeInShakeplay) {
  const fs::path frd = solve(boxMesh(Cell::Hex20, {4, 1, 1}, {1.2, 0.1, 0.08}, false), 4, "cantilever");
  const std::string res = folder.file("cantilever.res").string();
  const host::test::HostRun run = makeResult(
      {"--from-frd", frd.string(), "--mode", "2", "--periods", "2", "--steps", "37", "--out", res});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), res + ": 56 points, 108 triangles, 1 modes, 37 steps");

  shakeplay::ConsoleServices services;
  shakeplay::CShakeplayDoc doc(services);
  doc.setRequest({.resultPath = res, .component = 1});
  ASSERT_EQ(doc.ReadModel(""), 0);
  EXPECT_EQ(doc.result().pointCount, 56);
  EXPECT_EQ(doc.result().triangleCount, 108);
  EXPECT_EQ(doc.result().chainCount, 12);
  EXPECT_EQ(doc.result().edgePointCount, 4 * 9 + 4 * 3 + 4 * 3);
  EXPECT_EQ(doc.result().modeCount, 1);
  EXPECT_EQ(doc.result().stepCount, 37);
  EXPECT_NE(doc.result().title.find("DISPLACEMENT Y - BOX OF C3D20: mode 2 at "), std::string::npos)
      << doc.result().title;
  // Two periods of the mode in 1 / f2.
  const double f2 = 2.0 / doc.result().StepPhysicalTime(36);
  EXPECT_NEAR(f2, 58.0, 58.0 * 0.04);
  // The largest displacement, 1, is a tenth of the box's diagonal (1.20682) at COEF 1.
  EXPECT_NEAR(doc.result().coefBase, 0.120682, 0.002);

  // The mode bends the beam in y: the clamped end stays, the free end moves most.
  float rootX = doc.result().restPoints[0].x, tipX = rootX;
  for (int p = 0; p < doc.result().pointCount; ++p) {
    rootX = std::min(rootX, doc.result().restPoints[p].x);
    tipX = std::max(tipX, doc.result().restPoints[p].x);
  }
  int tipY = 0, largestZ = 0;
  for (int p = 0; p < doc.result().pointCount; ++p) {
    if (doc.result().restPoints[p].x == rootX) {
      EXPECT_EQ(doc.result().shape[0][p] | doc.result().shape[1][p] | doc.result().shape[2][p], 0) << p;
    }
    if (doc.result().restPoints[p].x == tipX) tipY = std::max(tipY, std::abs(doc.result().shape[1][p]));
    largestZ = std::max(largestZ, std::abs(doc.result().shape[2][p]));
  }
  EXPECT_EQ(tipY, 32767);
  EXPECT_LT(largestZ * doc.result().dispScale[2],
            0.05 * tipY * doc.result().dispScale[1]);  // hardly any motion in z
}

TEST_F(CalculixRun, AllModesRingDownAfterAnImpulseAndAMissingModeIsRefused) {
  const fs::path frd = solve(boxMesh(Cell::Hex8, {6, 1, 1}, {1.2, 0.1, 0.08}, false), 4, "impulse");
  const std::string res = folder.file("impulse.res").string();
  host::test::HostRun run =
      makeResult({"--from-frd", frd.string(), "--impulse", "--damping", "0.03", "--out", res});
  ASSERT_EQ(run.exitCode, 0) << run.err;

  shakeplay::ConsoleServices services;
  shakeplay::CShakeplayDoc doc(services);
  doc.setRequest({.resultPath = res});
  ASSERT_EQ(doc.ReadModel(""), 0);
  EXPECT_EQ(doc.result().modeCount, 4);
  EXPECT_GE(doc.result().stepCount, 101);
  EXPECT_NE(doc.result().title.find("modes 1-4 after an impulse, damping 3%"), std::string::npos)
      << doc.result().title;

  run = makeResult({"--from-frd", frd.string(), "--mode", "9", "--out", res});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "korvena-host: " + frd.string() + ": there is no mode 9: the file holds modes 1 to 4\n");
}

// ccx's own files, for every volume element kind: the node order of each type in its .frd
// output is the order the surface is built from.
class CalculixElementRun : public CalculixRun, public testing::WithParamInterface<Cell> {};

TEST_P(CalculixElementRun, GivesAClosedSurfaceThatFacesOut) {
  const BoxMesh mesh = boxMesh(GetParam(), {3, 2, 2}, {1.3, 0.7, 0.45});
  const FrdFile file = readFrdFile(solve(mesh, 3, ccxName(GetParam())).string());
  EXPECT_EQ(file.modes.size(), 3u);
  EXPECT_EQ(file.heading, std::string("BOX OF ") + ccxName(GetParam()));
  const std::vector<std::int32_t> triangles = triangulate(outerFaces(file.elements), file.nodes);
  EXPECT_TRUE(closedAndConsistent(triangles));
  EXPECT_NEAR(enclosedVolume(triangles, file.nodes), 1.3 * 0.7 * 0.45, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, CalculixElementRun,
                         testing::Values(Cell::Hex8, Cell::Hex20, Cell::Wedge6, Cell::Wedge15, Cell::Tet4,
                                         Cell::Tet10),
                         [](const auto& test) { return std::string(ccxName(test.param)); });

// An 8-node shell plate 1.3 x 0.7 of 3 x 2 elements, 0.02 thick: as ccx writes it by default, a
// closed thin volume of 20-node bricks; with OUTPUT=2D, the six shells themselves.
TEST_F(CalculixRun, ShellsComeAsThinVolumesOrAsThemselves) {
  const BoxMesh mesh = boxMesh(Cell::Quad8, {3, 2, 0}, {1.3, 0.7, 0.0});
  const FrdFile volumes = readFrdFile(solve(mesh, 2, "volumes").string());
  std::vector<std::int32_t> triangles = triangulate(outerFaces(volumes.elements), volumes.nodes);
  EXPECT_EQ(volumes.elements[0].type, 4);
  EXPECT_TRUE(closedAndConsistent(triangles));
  EXPECT_NEAR(enclosedVolume(triangles, volumes.nodes), 1.3 * 0.7 * 0.02, 1e-7);

  const FrdFile shells = readFrdFile(solve(mesh, 2, "shells", true).string());
  triangles = triangulate(outerFaces(shells.elements), shells.nodes);
  EXPECT_EQ(shells.elements.size(), 6u);
  EXPECT_EQ(shells.elements[0].type, 10);
  EXPECT_EQ(triangles.size() / 3, 36u);
  EXPECT_EQ(shells.modes.size(), 2u);
}

}  // namespace
}  // namespace host::results::test
