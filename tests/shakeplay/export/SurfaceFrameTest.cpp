// One frame as a surface for ParaView: the small result's displacements at whole steps and
// between them, worked out by hand from its sums, and the .vtu file read back by Qt's XML reader.
#include <gtest/gtest.h>

#include <QFile>
#include <QXmlStreamReader>
#include <cmath>
#include <map>
#include <sstream>

#include "shakeplay/core/ShakeplayDoc.h"
#include "shakeplay/export/DocumentSetup.h"
#include "shakeplay/export/FrameWriter.h"
#include "shakeplay/export/SurfaceFrame.h"
#include "shakeplay/export/VtuFile.h"
#include "tests/shakeplay/support/TestModel.h"

namespace shakeplay::exporting {
namespace {

// The small result: at step s point p has the sums X = s (p + 1), Y = 2 s (p + 1), Z = 3 s and
// the displacement scales 0.5, 0.25, 1, so it moves by (s (p + 1) / 2, s (p + 1) / 2, 3 s).
// Its fifth point is in no triangle. Steps 0 .. 29, smooth 1 at load: frame k is step k.
class SurfaceFrames : public ::testing::Test {
 protected:
  void load(int component, const ExportOptions& options = {}) {
    doc.setRequest({.component = component});
    ASSERT_EQ(test::load(doc, test::smallResult()), 0);
    applySettings(doc, options);
  }
  test::RecordingServices services;
  CShakeplayDoc doc{services};
};

TEST_F(SurfaceFrames, AtAWholeStepTheDisplacementIsThatStepsAndTheRestPositionsStayUndeformed) {
  load(0);
  const SurfaceFrame surface = surfaceAtFrame(doc, 4);
  ASSERT_EQ(surface.points.size(), 4u);
  ASSERT_EQ(surface.triangles.size(), 2u);
  EXPECT_EQ(surface.triangles[1], (std::array<std::int32_t, 3>{1, 3, 2}));
  // Point 2 at step 4: sums 12, 24, 12; displacement 6, 6, 12; colour value X = the X sum.
  EXPECT_FLOAT_EQ(surface.displacement[2][0], 6.0f);
  EXPECT_FLOAT_EQ(surface.displacement[2][1], 6.0f);
  EXPECT_FLOAT_EQ(surface.displacement[2][2], 12.0f);
  EXPECT_FLOAT_EQ(surface.colourValue[2], 12.0f);
  EXPECT_FLOAT_EQ(surface.component[2], 6.0f);
  EXPECT_EQ(surface.componentName, "displacement X");
  // Not deformed: the points where they rest.
  EXPECT_EQ(surface.points[3], (std::array<float, 3>{1.0f, 1.0f, 0.0f}));
  // The document is left as it was set.
  EXPECT_FALSE(doc.animation().deformed());
  EXPECT_EQ(doc.animation().coef(), 1.0f);
}

TEST_F(SurfaceFrames, DeformedPointsMoveByTheCoefficientTheDisplacementDoesNot) {
  ExportOptions options;
  options.deformed = true;
  options.coefEntry = 3;
  load(3, options);
  const SurfaceFrame surface = surfaceAtFrame(doc, 2);
  // Point 1 (rest 1, 0, 0) at step 2: displacement 2, 2, 6, magnitude sqrt(44).
  EXPECT_FLOAT_EQ(surface.displacement[1][0], 2.0f);
  EXPECT_FLOAT_EQ(surface.displacement[1][2], 6.0f);
  EXPECT_FLOAT_EQ(surface.points[1][0], 1.0f + 3.0f * 2.0f);
  EXPECT_FLOAT_EQ(surface.points[1][1], 3.0f * 2.0f);
  EXPECT_FLOAT_EQ(surface.points[1][2], 3.0f * 6.0f);
  EXPECT_FLOAT_EQ(surface.component[1], std::sqrt(44.0f));
  EXPECT_EQ(surface.componentName, "displacement magnitude");
  // The magnitude's colour value: |d| x 255 over the magnitude range 0 .. 200.
  EXPECT_NEAR(surface.colourValue[1], std::sqrt(44.0) * 255.0 / 200.0, 1e-4);
  EXPECT_EQ(doc.animation().coef(), 3.0f);
}

TEST_F(SurfaceFrames, BetweenStepsTheFrameIsTheSubFrameTheAnimationShows) {
  ExportOptions options;
  options.smoothEntry = 2;  // 5 sub-frames a step: frame 7 is step 1.4
  load(1, options);
  const SurfaceFrame surface = surfaceAtFrame(doc, 7);
  // Point 2 at step 1.4: sums 4.2, 8.4, 4.2; displacement 2.1, 2.1, 4.2; colour value Y 8.4.
  EXPECT_NEAR(surface.displacement[2][0], 2.1f, 1e-5);
  EXPECT_NEAR(surface.displacement[2][1], 2.1f, 1e-5);
  EXPECT_NEAR(surface.displacement[2][2], 4.2f, 1e-5);
  EXPECT_NEAR(surface.colourValue[2], 8.4f, 1e-5);
  EXPECT_NEAR(surface.component[2], 2.1f, 1e-5);
}

TEST_F(SurfaceFrames, TheFrameAfterTheLoopsLastIsItsFirst) {
  load(0);
  ASSERT_EQ(loopLength(doc), 29);  // sub-frames 0 .. 28
  const SurfaceFrame first = surfaceAtFrame(doc, 0);
  const SurfaceFrame wrapped = surfaceAtFrame(doc, 29);
  const SurfaceFrame last = surfaceAtFrame(doc, 28);
  EXPECT_EQ(wrapped.displacement, first.displacement);
  EXPECT_FLOAT_EQ(last.displacement[0][2], 3.0f * 28);
}

// The .vtu text read back: each DataArray's name, component count and values, and the piece's counts.
struct VtuRead {
  std::map<std::string, std::vector<double>> arrays;
  std::map<std::string, int> components;
  int points = -1, cells = -1;
  bool wellFormed = false;
};

VtuRead readVtu(const std::string& text) {
  VtuRead read;
  QXmlStreamReader xml(QString::fromStdString(text));
  std::string current;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement() && xml.name() == u"Piece") {
      read.points = xml.attributes().value("NumberOfPoints").toInt();
      read.cells = xml.attributes().value("NumberOfCells").toInt();
    } else if (xml.isStartElement() && xml.name() == u"DataArray") {
      const auto name = xml.attributes().value("Name");
      current = name.isEmpty() ? "Points" : name.toString().toStdString();
      const auto components = xml.attributes().value("NumberOfComponents");
      read.components[current] = components.isEmpty() ? 1 : components.toInt();
      std::istringstream values(xml.readElementText().toStdString());
      for (double value = 0; values >> value;) read.arrays[current].push_back(value);
    }
  }
  read.wellFormed = !xml.hasError();
  return read;
}

TEST_F(SurfaceFrames, TheVtuFileHoldsTrianglesAndThreePointArrays) {
  ExportOptions options;
  options.deformed = true;
  load(2, options);
  const SurfaceFrame surface = surfaceAtFrame(doc, 5);
  std::ostringstream text;
  writeVtu(text, surface);
  const VtuRead read = readVtu(text.str());
  ASSERT_TRUE(read.wellFormed) << text.str();
  EXPECT_EQ(read.points, 4);
  EXPECT_EQ(read.cells, 2);
  EXPECT_EQ(read.arrays.at("connectivity"), (std::vector<double>{0, 1, 2, 1, 3, 2}));
  EXPECT_EQ(read.arrays.at("offsets"), (std::vector<double>{3, 6}));
  EXPECT_EQ(read.arrays.at("types"), (std::vector<double>{5, 5}));
  EXPECT_EQ(read.components.at("displacement"), 3);
  EXPECT_EQ(read.components.at("Points"), 3);
  // Point 3 (rest 1, 1, 0) at step 5, coefficient 1: displacement 10, 10, 15.
  const std::vector<double>& points = read.arrays.at("Points");
  ASSERT_EQ(points.size(), 12u);
  EXPECT_DOUBLE_EQ(points[9], 11.0);
  EXPECT_DOUBLE_EQ(points[10], 11.0);
  EXPECT_DOUBLE_EQ(points[11], 15.0);
  EXPECT_EQ(read.arrays.at("displacement").size(), 12u);
  // The Z colour value is the Z sum, 15, at every point; the Z component 15 too.
  EXPECT_EQ(read.arrays.at("colour value"), (std::vector<double>{15, 15, 15, 15}));
  EXPECT_EQ(read.arrays.at("displacement Z"), (std::vector<double>{15, 15, 15, 15}));
}

TEST(VtuFile, AFileThatCannotBeWrittenIsNamed) {
  try {
    writeVtuFile("/nonexistent-folder/frame.vtu", SurfaceFrame{});
    FAIL() << "no error";
  } catch (const ExportError& error) {
    EXPECT_EQ(std::string(error.what()).rfind("cannot write /nonexistent-folder/frame.vtu: ", 0), 0u)
        << error.what();
  }
}

}  // namespace
}  // namespace shakeplay::exporting
