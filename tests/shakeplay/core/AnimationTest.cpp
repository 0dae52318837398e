#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "shakeplay/core/ColourTable.h"
#include "shakeplay/core/ModalSums.h"
#include "tests/shakeplay/support/TestModel.h"

namespace shakeplay {
namespace {

using host::results::ResultData;

struct Loaded {
  explicit Loaded(const ResultData& data, int component = 0) {
    doc.setRequest({.component = component});
    EXPECT_EQ(test::load(doc, data), 0);
    doc.setRenderer(&view);
  }
  test::RecordingServices services;
  test::CountingView view;
  CShakeplayDoc doc{services};
};

struct Strip {
  std::vector<std::array<float, 3>> points;
  std::array<float, 3> rgb;
};

class RecordingSink : public PrimitiveSink {
 public:
  void colouredTriangles(const FramePoint*, const int* corners, std::size_t count) override {
    triangleCorners.insert(triangleCorners.end(), corners, corners + count);
  }
  void lineStrip(const float* xyz, std::size_t stride, int count, const float* rgb) override {
    Strip strip{{}, {rgb[0], rgb[1], rgb[2]}};
    for (int i = 0; i < count; ++i) {
      const auto* p = reinterpret_cast<const float*>(reinterpret_cast<const char*>(xyz) + i * stride);
      strip.points.push_back({p[0], p[1], p[2]});
    }
    strips.push_back(strip);
  }
  std::vector<int> triangleCorners;
  std::vector<Strip> strips;
};

TEST(ColourTable, RunsBlueCyanGreenYellowRedThenMagenta) {
  const ColourTable t = buildColourTable();
  const auto near = [](const std::array<float, 3>& a, std::array<float, 3> b) {
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(a[i], b[i], 1e-6) << i;
  };
  near(t[0], {0, 0.05f, 1});
  near(t[49], {0, 1.03f, 1});
  near(t[50], {0, 1, 1});
  near(t[75], {0, 1, 0.5f});
  near(t[100], {0, 1, 0});
  near(t[150], {1, 1, 0});
  near(t[200], {1, 0, 0});
  near(t[249], {1, 0, 0.98f});
  near(t[250], {1, 0, 1});
}

TEST(ColourTable, AValueSelectsItsFloorClampedToTheTable) {
  EXPECT_EQ(colourIndex(-3.7f), 0);
  EXPECT_EQ(colourIndex(49.99f), 49);
  EXPECT_EQ(colourIndex(250.0f), 250);
  EXPECT_EQ(colourIndex(254.9f), 250);
  EXPECT_EQ(colourIndex(1e30f), 250);
  EXPECT_EQ(colourIndex(std::nanf("")), 0);
}

TEST(ModalSums, WrapAs32BitIntegers) {
  const std::int32_t row[] = {65536, 1, -7};
  const std::int32_t table[] = {32768, 5, 0, 1, 2, 3};
  const std::uint8_t used[] = {1, 0};
  std::int32_t out[] = {0, 99};
  modalRowSums(row, table, 3, 2, used, out);
  EXPECT_EQ(out[0], -2147483648 + 5);  // 2^31 + 5 wraps
  EXPECT_EQ(out[1], 99);               // unused rows are passed over
  modalRowSums(row, table, 3, 2, nullptr, out);
  EXPECT_EQ(out[1], 65536 + 2 - 21);
}

TEST(ModalSums, APairOfRowsSumsAsEachRowAlone) {
  constexpr int kModes = 11;  // a vector's width and a remainder
  constexpr int kRows = 9;
  std::vector<std::int32_t> rowA(kModes), rowB(kModes), table(kModes * kRows);
  for (int j = 0; j < kModes; ++j) {
    rowA[j] = 65536 * (j % 3) - 7 * j;
    rowB[j] = 40000 - 9001 * j;
  }
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<std::int32_t>(i * 37719) - 500000;
  const std::uint8_t used[kRows] = {1, 0, 1, 1, 0, 1, 1, 1, 0};
  for (const std::uint8_t* which :
       {static_cast<const std::uint8_t*>(used), static_cast<const std::uint8_t*>(nullptr)}) {
    std::vector<std::int32_t> aloneA(kRows, 99), aloneB(kRows, 99), pairA(kRows, 99), pairB(kRows, 99);
    modalRowSums(rowA.data(), table.data(), kModes, kRows, which, aloneA.data());
    modalRowSums(rowB.data(), table.data(), kModes, kRows, which, aloneB.data());
    modalRowSumPairs(rowA.data(), rowB.data(), table.data(), kModes, kRows, which, pairA.data(),
                     pairB.data());
    EXPECT_EQ(pairA, aloneA);
    EXPECT_EQ(pairB, aloneB);
    EXPECT_EQ(pairA[1], which == nullptr ? aloneA[1] : 99);  // unused rows are left alone
  }
}

TEST(Animation, WithOneSubFramePerStepEveryTickShowsThatStep) {
  Loaded l(test::smallResult());
  CShakeplayDoc& d = l.doc;
  ASSERT_EQ(d.animation().smooth(), 1);
  ASSERT_TRUE(d.applyChoice({.deformed = true, .coefIndex = 1}));  // COEF 2: the second entry of coefBase 1
  for (int tick = 1; tick <= 10; ++tick) {
    d.AdvanceFrame();
    ASSERT_EQ(d.animation().currentFrame(), tick);
    const FramePoint& p1 = d.animation().points()[1];
    EXPECT_FLOAT_EQ(p1.value, 2.0f * tick);                                         // X sum of point 1
    EXPECT_FLOAT_EQ(p1.x, d.result().restPoints[1].x + 2.0f * tick * 0.5f * 2.0f);  // sum x scale x coef
    EXPECT_FLOAT_EQ(p1.y, d.result().restPoints[1].y + 4.0f * tick * 0.25f * 2.0f);
    EXPECT_FLOAT_EQ(p1.z, d.result().restPoints[1].z + 3.0f * tick * 2.0f);
    const std::array<float, 3>& rgb = standardColourTable()[colourIndex(p1.value)];
    EXPECT_EQ(p1.red, rgb[0]);
    EXPECT_EQ(p1.green, rgb[1]);
    EXPECT_EQ(p1.blue, rgb[2]);
    // The edge point 1 follows its own shapes: X sum s, Y sum 2 s, no Z.
    EXPECT_FLOAT_EQ(d.animation().edges()[1].x, d.result().edgePoints[1].x + 1.0f * tick * 2.0f);
    EXPECT_FLOAT_EQ(d.animation().edges()[1].y, d.result().edgePoints[1].y + 2.0f * tick * 2.0f);
  }
}

TEST(Animation, WithFiveSubFramesTheStateMovesAFifthOfTheWayEachTick) {
  Loaded l(test::smallResult());
  CShakeplayDoc& d = l.doc;
  ASSERT_TRUE(d.applyChoice({.smoothIndex = 1}));
  ASSERT_EQ(d.animation().smooth(), 5);
  d.applyChoice({.deformed = true});
  while (d.animation().currentFrame() < 10) d.AdvanceFrame();
  for (int frame = 10; frame <= 15; ++frame) {
    const float step = static_cast<float>(frame) / 5.0f;
    EXPECT_NEAR(d.animation().points()[0].value, step, 1e-4) << frame;  // X sum of point 0 is the step
    EXPECT_NEAR(d.animation().points()[0].z, d.result().restPoints[0].z + 3.0f * step, 1e-4) << frame;
    EXPECT_NEAR(d.animation().edges()[0].x, d.result().edgePoints[0].x + step, 1e-4) << frame;
    d.AdvanceFrame();
  }
}

TEST(Animation, UndeformedOnlyTheColoursChange) {
  Loaded l(test::smallResult());
  CShakeplayDoc& d = l.doc;
  d.ResetAnimation();
  for (int tick = 0; tick < 5; ++tick) d.AdvanceFrame();
  EXPECT_FLOAT_EQ(d.animation().points()[3].value, 4.0f * 5);
  EXPECT_EQ(d.animation().points()[3].x, d.result().restPoints[3].x);
  EXPECT_EQ(d.animation().points()[3].y, d.result().restPoints[3].y);
  EXPECT_EQ(d.animation().points()[3].z, d.result().restPoints[3].z);

  RecordingSink sink;
  d.DrawModel(false, sink);
  EXPECT_EQ(sink.triangleCorners, (std::vector<int>{0, 1, 2, 1, 3, 2}));
  ASSERT_EQ(sink.strips.size(), 1u);  // undeformed edges only
  EXPECT_EQ(sink.strips[0].points[1], (std::array<float, 3>{0, -1, -1}));
  EXPECT_EQ(sink.strips[0].rgb, (std::array<float, 3>{1.0f, 0.98f, 0.98f}));
}

TEST(Animation, DeformedEdgesAreDrawnTwiceInTheBackgroundsEdgeColour) {
  ResultData data = test::smallResult();
  data.background = {1.0, 1.0, 1.0};
  Loaded l(data);
  l.doc.applyChoice({.deformed = true});
  l.doc.AdvanceFrame();
  l.doc.AdvanceFrame();
  RecordingSink sink;
  l.doc.DrawModel(true, sink);
  EXPECT_TRUE(sink.triangleCorners.empty());
  ASSERT_EQ(sink.strips.size(), 2u);
  EXPECT_EQ(sink.strips[1].rgb, (std::array<float, 3>{0, 0, 0}));
  EXPECT_FLOAT_EQ(sink.strips[1].points[2][1], sink.strips[0].points[2][1] + 2.0f * 2);
}

TEST(Animation, APointOfNoTriangleIsNeverMovedOrColoured) {
  Loaded l(test::smallResult());
  l.doc.applyChoice({.deformed = true});
  for (int tick = 0; tick < 4; ++tick) l.doc.AdvanceFrame();
  const FramePoint& lone = l.doc.animation().points()[4];
  EXPECT_EQ(lone.x, 0.0f);
  EXPECT_EQ(lone.value, 0.0f);
  EXPECT_EQ(lone.red + lone.green + lone.blue, 0.0f);
}

TEST(Animation, TheFirstFrameInterpolatesTheStartTimeInsideTheFirstStep) {
  ResultData data = test::smallResult(40, 10, 35);
  data.timeStart = 1.06f;  // 0.6 of the way from step 10 (10, 20) to step 11 (11, 22)
  Loaded l(data);
  l.doc.applyChoice({.deformed = true});
  EXPECT_FLOAT_EQ(l.doc.animation().points()[0].value, 10.0f);  // trunc(10.6)
  EXPECT_FLOAT_EQ(l.doc.animation().points()[0].y,
                  l.doc.result().restPoints[0].y + 21 * 0.25f);         // trunc(21.2)
  EXPECT_FLOAT_EQ(l.doc.animation().pointIncrements()[0].value, 1.0f);  // toward 11, smooth 1
}

TEST(Animation, MagnitudeColoursByDisplacementLengthOver255) {
  ResultData data = test::smallResult(40, 1, 30);
  data.dispScale = {0.0f, 0.0f, 1.0f / 3.0f};  // at step 1 only Z moves, by 1
  data.ranges[6] = 1.0f;
  data.ranges[7] = 3.0f;
  Loaded l(data, 3);
  EXPECT_FLOAT_EQ(l.doc.animation().points()[2].value, 127.5f);
  EXPECT_EQ(colourIndex(l.doc.animation().points()[2].value), 127);
  EXPECT_EQ(l.doc.animation().points()[2].green, standardColourTable()[127][1]);
}

TEST(Animation, MagnitudeWithoutARangeShowsEntryZeroEverywhere) {
  ResultData data = test::smallResult(40, 1, 30);
  data.ranges[6] = data.ranges[7] = 2.0f;
  Loaded l(data, 3);
  l.doc.applyChoice({.deformed = true});
  for (int tick = 0; tick < 4; ++tick) l.doc.AdvanceFrame();
  for (int p = 0; p < 4; ++p) {
    EXPECT_EQ(l.doc.animation().points()[p].value, 0.0f) << p;
    EXPECT_EQ(l.doc.animation().points()[p].blue, standardColourTable()[0][2]) << p;
    EXPECT_EQ(l.doc.animation().points()[p].green, standardColourTable()[0][1]) << p;
  }
}

TEST(Animation, PlaybackWrapsToTheStartFrameAndRendersEveryTick) {
  ResultData data = test::smallResult(40, 0, 25);
  Loaded l(data);
  CShakeplayDoc& d = l.doc;
  d.ResetAnimation();
  EXPECT_EQ(l.view.renders, 1);
  for (int tick = 0; tick < 25; ++tick) d.AdvanceFrame();
  EXPECT_EQ(d.animation().currentFrame(), 0);  // frame 25 reached the end
  d.AdvanceFrame();
  EXPECT_EQ(d.animation().currentFrame(), 1);
  EXPECT_EQ(l.view.renders, 1 + 26);  // the reset, then once every tick
  EXPECT_FLOAT_EQ(d.animation().points()[0].value, 1.0f);
}

// Keeps what the window draws at one tick of the playback.
class FrameCatcher : public SceneRenderer {
 public:
  FrameCatcher(const CShakeplayDoc& doc, int tick) : doc_(doc), tick_(tick) {}
  void RenderScene() override {
    if (renders++ != tick_) return;
    for (const FramePoint& p : doc_.animation().points())
      points.push_back({p.x, p.y, p.z, p.red, p.green, p.blue, p.value});
    for (const FrameEdge& e : doc_.animation().edges()) edges.push_back({e.x, e.y, e.z});
  }
  int renders = 0;
  std::vector<std::array<float, 7>> points;
  std::vector<std::array<float, 3>> edges;

 private:
  const CShakeplayDoc& doc_;
  int tick_;
};

TEST(Animation, TheFrameAtAnIndexIsWhatTheWindowDrawsAtThatTickAndLeavesTheWindowAlone) {
  struct Case {
    int smoothIndex, coefIndex;
    bool deformed;
    int index;
  };
  // The window runs from step 10 to step 35; its loop has 25 sub-frames at one per step.
  const Case cases[] = {
      {0, 0, false, 0}, {0, 0, false, 6}, {0, 1, true, 9},  {1, 0, true, 13},  // within a step, at 5 per step
      {0, 2, true, 24}, {0, 0, true, 25}, {0, 0, true, 31},  // the last, then the loop again
  };
  for (const Case& c : cases) {
    Loaded l(test::smallResult(40, 10, 35));
    ASSERT_TRUE(
        l.doc.applyChoice({.deformed = c.deformed, .coefIndex = c.coefIndex, .smoothIndex = c.smoothIndex}));
    for (int tick = 0; tick < 3; ++tick) l.doc.AdvanceFrame();  // the window is on its way
    const Animation& shown = l.doc.animation();
    const int frameBefore = shown.currentFrame();
    const float valueBefore = shown.points()[1].value;
    const int rendersBefore = l.view.renders;

    const Animation frame = shown.frameAt(c.index, shown.deformed(), shown.coef());
    EXPECT_EQ(shown.currentFrame(), frameBefore) << c.index;
    EXPECT_EQ(shown.points()[1].value, valueBefore) << c.index;
    EXPECT_EQ(l.view.renders, rendersBefore) << c.index;

    // The window from its first frame, drawing tick by tick.
    l.doc.ResetAnimation();
    FrameCatcher window(l.doc, c.index);
    l.doc.setRenderer(&window);
    while (window.renders <= c.index) l.doc.AdvanceFrame();
    ASSERT_EQ(window.points.size(), frame.points().size()) << c.index;
    for (std::size_t p = 0; p < frame.points().size(); ++p) {
      const FramePoint& q = frame.points()[p];
      EXPECT_EQ(window.points[p], (std::array<float, 7>{q.x, q.y, q.z, q.red, q.green, q.blue, q.value}))
          << c.index << " point " << p;
    }
    ASSERT_EQ(window.edges.size(), frame.edges().size()) << c.index;
    for (std::size_t e = 0; e < frame.edges().size(); ++e) {
      const FrameEdge& q = frame.edges()[e];
      EXPECT_EQ(window.edges[e], (std::array<float, 3>{q.x, q.y, q.z})) << c.index << " edge " << e;
    }
  }
}

}  // namespace
}  // namespace shakeplay
