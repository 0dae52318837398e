// The animation on a result with realistic timing: step times in file units scaled by 0.5 and
// shifted by 0.25 s, steps of growing length (no two neighbours alike), a window that starts and
// ends inside steps away from both ends of the table, irregular modal coordinates.
//
// Expected values were worked out apart from the code, from the formulas in double precision on
// the float32 file values (a short script; its output):
//   load, smooth 15: startFrame 51, endFrame 112 (D(lastStep) instead of D(lastStep - 1): 113)
//   smooth 75:       startFrame 257, endFrame 559 (with D(lastStep): 562)
//   first frame: x 0.43, start row trunc(q3 + x (q4 - q3)) = {399, 16, 43}
//     (with the bracket (timeStart - timeOffset / timeScale): x -2.4725)
//   point 2, colour value: start row 189.05, step 4 187.25, step 7 5.90, step 8 -43.15
//     frame 52 (1/15 of the way to step 4) 188.93; frame 111 (6/15 from step 7 to 8) -13.72
//   point 2, displacement per unit coefficient at the start row (4.562, 0.364, -0.9175), at
//     frame 52 (4.5572, 0.399733, -0.898333); rest position (-1, 0, -1)
//   smooth 75: increment of point 2 -0.024 per sub-frame; frame 262 188.93; frame 300 187.25
#include <gtest/gtest.h>

#include "shakeplay/core/ColourTable.h"
#include "tests/shakeplay/support/TestModel.h"

namespace shakeplay {
namespace {

using host::results::ResultData;

constexpr float kCoef = 1.5f;
constexpr float kValueTolerance = 1e-3f;

ResultData realisticResult() {
  ResultData d = test::smallResult(12, 3, 8);
  d.modeCount = 3;
  d.modalCoord = {0,   0,   0,   120,  -35, 7,   310,  -80, 22, 415,  -20, 51, 380,  64,   33, 205, 140,  -12,
                  -40, 171, -48, -265, 118, -30, -390, 25,  16, -350, -77, 45, -150, -132, 28, 90,  -101, -9};
  d.shapes[0] = {3, -2, 5, -1, 4, 2, 6, 1, -3, 2, -5, 7, 9, 9, 9};
  d.shapes[1] = {1, 1, 0, 2, -1, 3, 0, 3, 1, -2, 2, 2, 1, 1, 1};
  d.shapes[2] = {0, 0, 4, 1, 0, 0, -1, 2, 0, 3, 1, -1, 0, 0, 0};
  for (auto& edge : d.edgeShapes) edge = {1, 0, 2, 0, 1, -1, 0, 0, 1};
  d.dispScale = {0.002f, 0.004f, 0.0025f};
  d.colourScale = {0.05f, 0.08f, 0.1f};
  d.colourOffset = {-1500, 700, 0};
  d.ranges[8] = kCoef;
  d.stepTime = {0.0f, 0.10f, 0.22f, 0.36f, 0.52f, 0.70f, 0.90f, 1.12f, 1.36f, 1.62f, 1.90f, 2.20f};
  d.timeScale = 0.5f;
  d.timeOffset = 0.25f;
  d.timeStart = 0.4644f;  // 0.43 of step 3 (0.43 s .. 0.51 s)
  d.timeEnd = 0.864f;     // 0.55 of step 7's length before step 8 (0.93 s)
  return d;
}

class RealisticTiming : public ::testing::Test {
 protected:
  RealisticTiming() {
    EXPECT_EQ(test::load(doc, realisticResult()), 0);
    doc.applyChoice({.deformed = true});
    doc.setRenderer(&view);
  }
  float value() const { return doc.animation().points()[2].value; }
  // Advances until the document shows the given sub-frame (at most one loop and a bit).
  void playTo(int frame) {
    for (int tick = 0; tick < 1000 && doc.animation().currentFrame() != frame; ++tick) doc.AdvanceFrame();
    ASSERT_EQ(doc.animation().currentFrame(), frame);
  }

  test::RecordingServices services;
  test::CountingView view;
  CShakeplayDoc doc{services};
};

TEST_F(RealisticTiming, SubFrameRangeStartsAndEndsInsideTheirSteps) {
  EXPECT_EQ(doc.animation().smooth(), 15);
  EXPECT_EQ(doc.animation().startFrame(), 51);
  EXPECT_EQ(doc.animation().currentFrame(), 51);
  EXPECT_EQ(doc.animation().endFrame(), 112);
}

TEST_F(RealisticTiming, FirstFrameInterpolatesTheScaledAndShiftedStartTime) {
  doc.ResetAnimation();
  EXPECT_NEAR(value(), 189.05f, kValueTolerance);
  const FramePoint& point = doc.animation().points()[2];
  EXPECT_NEAR(point.x, -1.0f + 4.562f * kCoef, 1e-4);
  EXPECT_NEAR(point.y, 0.364f * kCoef, 1e-4);
  EXPECT_NEAR(point.z, -1.0f - 0.9175f * kCoef, 1e-4);
  EXPECT_EQ(point.green, standardColourTable()[189][1]);
  doc.AdvanceFrame();
  EXPECT_EQ(doc.animation().currentFrame(), 52);
  EXPECT_NEAR(value(), 188.93f, kValueTolerance);
  EXPECT_NEAR(point.y, 0.399733f * kCoef, 1e-4);
}

TEST_F(RealisticTiming, AFullLoopReachesEachStepAndWrapsToTheFirstFrame) {
  playTo(60);
  EXPECT_NEAR(value(), 187.25f, kValueTolerance);  // step 4 exactly
  playTo(105);
  EXPECT_NEAR(value(), 5.90f, kValueTolerance);  // step 7 exactly
  playTo(111);
  EXPECT_NEAR(value(), -13.72f, kValueTolerance);
  doc.AdvanceFrame();
  EXPECT_EQ(doc.animation().currentFrame(), 51);  // frame 112 is the end: back to the start
  doc.AdvanceFrame();
  EXPECT_EQ(doc.animation().currentFrame(), 52);
  EXPECT_NEAR(value(), 188.93f, kValueTolerance);  // the loop starts again from the first frame
  EXPECT_NEAR(doc.animation().points()[2].y, 0.399733f * kCoef, 1e-4);
}

TEST_F(RealisticTiming, ASmoothChangeRecomputesTheRangeAndTheIncrements) {
  ASSERT_TRUE(doc.applyChoice({.smoothIndex = 1}));  // "5" on a span of 5 steps: 5 x 15
  EXPECT_EQ(doc.animation().smooth(), 75);
  EXPECT_EQ(doc.animation().startFrame(), 257);
  EXPECT_EQ(doc.animation().endFrame(), 559);
  doc.ResetAnimation();
  EXPECT_NEAR(doc.animation().points()[2 + doc.result().pointCount].value, -0.024f, 1e-5);
  playTo(262);
  EXPECT_NEAR(value(), 188.93f, kValueTolerance);
  playTo(300);
  EXPECT_NEAR(value(), 187.25f, kValueTolerance);
}

}  // namespace
}  // namespace shakeplay
