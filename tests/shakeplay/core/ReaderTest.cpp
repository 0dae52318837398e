#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "shakeplay/core/ByteSource.h"
#include "tests/shakeplay/support/TestModel.h"

namespace shakeplay {
namespace {

using host::results::ResultData;
using test::load;
using test::RecordingServices;
using test::smallResult;

TEST(ResultReader, FillsTheDocumentFromAValidFile) {
  RecordingServices services;
  CShakeplayDoc doc(services);
  doc.setRequest({.component = 1});
  ResultData data = smallResult();
  data.background = {0.25, 0.5, 1.0};
  data.ranges = {-1, 1, -3, 7, -5, 5, 0, 9, 0.5f};
  ASSERT_EQ(load(doc, data), 0);
  EXPECT_TRUE(services.boxes.empty());
  EXPECT_EQ(services.out, "");
  EXPECT_EQ(doc.result().title, "****** KORVENA 3.52 : DISPLACEMENT YSMALL *******");
  EXPECT_EQ(doc.result().componentName, "DISPLACEMENT Y");
  EXPECT_EQ(doc.result().centre, (std::array<float, 3>{1, 1, 1}));
  EXPECT_FLOAT_EQ(doc.result().framing.radius, static_cast<float>(1.1 * std::sqrt(3.0)));
  EXPECT_EQ(doc.result().framing.radiusBase, doc.result().framing.radius);
  EXPECT_EQ(doc.result().restPoints[3].x, 0.0f);
  EXPECT_EQ(doc.result().restPoints[0].y, -1.0f);
  EXPECT_EQ(doc.result().edgePoints[1].x, 0.0f);
  EXPECT_EQ(doc.result().backColour, (std::array<float, 3>{0.25f, 0.5f, 1.0f}));
  EXPECT_FALSE(doc.result().whiteBackground);
  EXPECT_EQ(doc.result().rangeMin, -3.0f);
  EXPECT_EQ(doc.result().rangeMax, 7.0f);
  EXPECT_EQ(doc.result().magnitudeMax, 9.0f);
  EXPECT_FLOAT_EQ(doc.result().colourBand, 0.04f);
  EXPECT_EQ(doc.animation().coef(), 0.5f);
  EXPECT_EQ(doc.result().coefBase, 0.5f);
  EXPECT_EQ(doc.result().chainLength[0], 3);
  EXPECT_EQ((std::vector<int>(doc.result().pointUsed.begin(), doc.result().pointUsed.end())),
            (std::vector<int>{1, 1, 1, 1, 0}));
  EXPECT_EQ(doc.result().triangleShown[1], 1);
}

TEST(ResultReader, MakesTheEdgesBlackOnlyOnAnExactlyWhiteBackground) {
  for (const double blue : {1.0, 0.999}) {
    RecordingServices services;
    CShakeplayDoc doc(services);
    ResultData data = smallResult();
    data.background = {1.0, 1.0, blue};
    ASSERT_EQ(load(doc, data), 0);
    EXPECT_EQ(doc.result().whiteBackground, blue == 1.0);
  }
}

TEST(ResultReader, AcceptsAViewMatrixOnlyWhenItsTruncatedLastRowIsZeroZeroZeroOne) {
  struct Case {
    int index;
    double value;
    bool kept;
  };
  for (const Case c : {Case{15, 1.5, true}, Case{3, 0.9, true}, Case{15, 2.0, false}, Case{3, -1.0, false},
                       Case{11, std::nan(""), false}}) {
    RecordingServices services;
    CShakeplayDoc doc(services);
    ResultData data = smallResult();
    data.viewMatrix[0] = 0.5;
    data.viewMatrix[c.index] = c.value;
    ASSERT_EQ(load(doc, data), 0);
    EXPECT_EQ(doc.result().framing.viewMatrix[0], c.kept ? 0.5 : 1.0) << c.index << " " << c.value;
  }
}

// A file that reads whole but does not hold together is refused with a message box, the same
// text on standard output, and the failure result.
struct RefusalCase {
  const char* what;
  std::function<void(ResultData&)> spoil;
  std::string text;
};

TEST(ResultReader, RefusesInconsistentFilesWithAClearMessage) {
  const RefusalCase cases[] = {
      {"negative point count", [](ResultData& d) { d.pointCount = -1; }, "Invalid INFO: negative count !"},
      {"negative chain count", [](ResultData& d) { d.chainCount = -2; }, "Invalid INFO: negative count !"},
      {"corner beyond points", [](ResultData& d) { d.triangles[4] = 5; },
       "Invalid TRIANGLE: point index 5 outside 0..4 !"},
      {"negative corner", [](ResultData& d) { d.triangles[0] = -1; },
       "Invalid TRIANGLE: point index -1 outside 0..4 !"},
      {"too many polylines",
       [](ResultData& d) {
         d.edges = {{1, 0, 0, 0}, {2, 0, 0, 0}, {0, 0, 0, 0}};
       },
       "Invalid EDGES: more polylines than the 1 announced !"},
      {"more polylines than points", [](ResultData& d) { d.chainCount = 2147483647; },
       "Invalid EDGES: 2147483647 polylines announced for 3 edge points !"},
      {"negative polyline", [](ResultData& d) { d.edges[0].n = -3; },
       "Invalid EDGES: polyline of -3 points !"},
      {"lengths short", [](ResultData& d) { d.edges[0].n = 2; },
       "Invalid EDGES: polylines hold 2 points, not 3 !"},
      {"lengths long", [](ResultData& d) { d.edges[0].n = 4; },
       "Invalid EDGES: polylines hold 4 points, not 3 !"},
      {"first step negative", [](ResultData& d) { d.firstStep = -1; },
       "Invalid step header: 2 modes, 30 steps, first step -1, last step 29 !"},
      {"last step beyond", [](ResultData& d) { d.lastStep = 30; },
       "Invalid step header: 2 modes, 30 steps, first step 0, last step 30 !"},
      {"first not below last", [](ResultData& d) { d.firstStep = d.lastStep = 7; },
       "Invalid step header: 2 modes, 30 steps, first step 7, last step 7 !"},
      {"negative modes", [](ResultData& d) { d.modeCount = -2; },
       "Invalid step header: -2 modes, 30 steps, first step 0, last step 29 !"},
      {"first step of no length", [](ResultData& d) { d.stepTime[1] = d.stepTime[0]; },
       "Invalid step times: steps 0 and 1 have the same time !"},
      {"last step of no length", [](ResultData& d) { d.stepTime[28] = d.stepTime[29]; },
       "Invalid step times: steps 28 and 29 have the same time !"},
      {"no time scale", [](ResultData& d) { d.timeScale = 0; },
       "Invalid step times: steps 0 and 1 have the same time !"},
  };
  for (const RefusalCase& c : cases) {
    RecordingServices services;
    CShakeplayDoc doc(services);
    ResultData data = smallResult();
    c.spoil(data);
    EXPECT_EQ(load(doc, data), -1) << c.what;
    ASSERT_EQ(services.boxes.size(), 1u) << c.what;
    EXPECT_EQ(services.boxes[0].text, c.text) << c.what;
    EXPECT_EQ(services.boxes[0].caption, "KORVENA: Dynamic Analysis");
    EXPECT_EQ(services.boxes[0].icon, MessageIcon::Warning);
    EXPECT_EQ(services.out, c.text + "\n") << c.what;
  }
}

TEST(ResultReader, ToleratesFewerPolylinesThanAnnouncedAndZeroCounts) {
  RecordingServices services;
  CShakeplayDoc doc(services);
  ResultData data = smallResult();
  data.chainCount = 3;
  ASSERT_EQ(load(doc, data), 0);
  EXPECT_EQ(doc.result().chainLength[0], 3);
  EXPECT_EQ(doc.result().chainLength[2], 0);

  CShakeplayDoc empty(services);
  ResultData none = smallResult();
  none.points.clear();
  none.triangles.clear();
  none.edges.clear();
  for (auto* table : {&none.shapes, &none.edgeShapes}) {
    for (auto& rows : *table) rows.clear();
  }
  none.pointCount = none.triangleCount = none.edgePointCount = none.chainCount = 0;
  EXPECT_EQ(load(empty, none), 0);
}

TEST(ResultReader, ACountLargerThanTheFileIsAShortReadWithoutAHugeAllocation) {
  struct Case {
    std::function<void(ResultData&)> spoil;
    std::string out;
  };
  const Case cases[] = {
      {[](ResultData& d) { d.pointCount = 2147483647; }, "Cannot read POINT !\n"},
      {[](ResultData& d) { d.triangleCount = 2147483647; }, "Cannot read TRIANGLE !\n"},
      {[](ResultData& d) { d.edgePointCount = 2147483647; }, "Cannot read EDGES !\n"},
      {[](ResultData& d) { d.modeCount = 2147483647; }, "Cannot Read from dyn_post.res(u:0)\n"},
  };
  for (const Case& c : cases) {
    RecordingServices services;
    CShakeplayDoc doc(services);
    ResultData data = smallResult();
    c.spoil(data);
    EXPECT_EQ(load(doc, data), -1);
    EXPECT_EQ(services.out, c.out);
  }
}

// Bytes from memory whose amount is not known beforehand, as from a pipe.
class UnsizedSource : public MemorySource {
 public:
  using MemorySource::MemorySource;
  std::uint64_t remaining() const override { return std::numeric_limits<std::uint64_t>::max(); }
};

// The small model with enough copies of its first triangle in front of its own two that the
// table spans several of the pieces the reader takes at a time.
ResultData manyTriangles() {
  ResultData data = smallResult();
  std::vector<std::int32_t> corners;
  for (int t = 0; t < 40000; ++t) corners.insert(corners.end(), {0, 1, 2});
  data.triangles.insert(data.triangles.begin(), corners.begin(), corners.end());
  data.triangles.insert(data.triangles.end(), {2, 3, 4});  // the unused point, in the last piece
  data.triangleCount = static_cast<std::int32_t>(data.triangles.size() / 3);
  return data;
}

TEST(ResultReader, ATriangleTableOfSeveralPiecesIsCheckedAndMarkedWhole) {
  RecordingServices services;
  CShakeplayDoc doc(services);
  const ResultData data = manyTriangles();
  ASSERT_EQ(load(doc, data), 0);
  EXPECT_EQ(std::vector<std::int32_t>(doc.result().triangles.begin(), doc.result().triangles.end()),
            data.triangles);
  EXPECT_EQ((std::vector<int>(doc.result().pointUsed.begin(), doc.result().pointUsed.end())),
            (std::vector<int>{1, 1, 1, 1, 1}));

  // The first bad index in file order is named, whichever piece holds it.
  const std::size_t late = data.triangles.size() - 2, early = 100;
  for (const bool alsoEarly : {false, true}) {
    RecordingServices refused;
    CShakeplayDoc bad(refused);
    ResultData spoilt = data;
    spoilt.triangles[late] = 9;
    if (alsoEarly) spoilt.triangles[early] = -1;
    EXPECT_EQ(load(bad, spoilt), -1);
    EXPECT_EQ(refused.out, alsoEarly ? "Invalid TRIANGLE: point index -1 outside 0..4 !\n"
                                     : "Invalid TRIANGLE: point index 9 outside 0..4 !\n");
  }
}

TEST(ResultReader, AShortTriangleTableOfUnknownSizeIsAShortReadEvenAfterABadIndex) {
  ResultData data = manyTriangles();
  data.triangles[0] = 7;
  const std::vector<unsigned char> bytes = host::results::encodeResultFile(data);
  std::uint64_t end = 0;
  for (const host::results::ResultItem& item : host::results::resultFileItems(data)) {
    if (item.name == "TRIANGLE") end = item.offset + item.size;
  }
  ASSERT_GT(end, 0u);
  RecordingServices services;
  CShakeplayDoc doc(services);
  UnsizedSource source(bytes.data(), static_cast<std::size_t>(end - 4));
  EXPECT_EQ(doc.readModelFrom(source), -1);
  EXPECT_EQ(services.out, "Cannot read TRIANGLE !\n");
}

}  // namespace
}  // namespace shakeplay
