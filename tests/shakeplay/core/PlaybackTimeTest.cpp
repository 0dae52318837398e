#include <gtest/gtest.h>

#include "tests/shakeplay/support/TestModel.h"

namespace shakeplay {
namespace {

// Steps 0.1 apart on the file's clock, 0.05 s apart in physical time from 2 s on: step i is at
// 2 + 0.05 i. The window runs from 0.6 of the way into step 10 (2.53) to 0.4 of a step before
// step 18 (2.88); its span of 8 steps gives 12 sub-frames per step at load, start frame
// 120 + 7 and end frame 216 - 4.
host::results::ResultData window(float timeStart = 2.53f, float timeEnd = 2.88f) {
  host::results::ResultData data = test::windowResult(10, 18, timeStart, timeEnd);
  data.timeOffset = 2.0f;
  data.timeScale = 0.5f;
  return data;
}
using Window = test::ViewedDoc;

TEST(PlaybackTime, TheTimeShownIsTheWindowsEndsOrTheStepReached) {
  Window w(window());
  ASSERT_EQ(w.doc.animation().smooth(), 12);
  ASSERT_EQ(w.doc.animation().startFrame(), 127);
  ASSERT_EQ(w.doc.animation().endFrame(), 212);
  struct Case {
    int frame;
    double time;
    int width;  // of a 390-pixel bar
  };
  // Worked out apart from the code, from the float values the file holds; the step reached is
  // frame / 12, and the width is (time - 2.53) / 0.35 of 390 pixels, truncated.
  const Case cases[] = {
      {127, 2.5299999713897705, 0},   // the first sub-frame shows the start time itself
      {128, 2.5, 0},                  // step 10 lies before the start time: no fill, not less
      {170, 2.699999988079071, 189},  // step 14
      {197, 2.800000011920929, 300},  // step 16
      {210, 2.850000023841858, 356},  // step 17, one before the last sub-frame
      {211, 2.880000114440918, 390},  // the last sub-frame shows the end time
      {215, 2.880000114440918, 390},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(w.doc.animation().timeShownAt(c.frame), c.time) << c.frame;
    EXPECT_EQ(w.doc.animation().progressWidthAt(c.frame, 390), c.width) << c.frame;
  }
}

TEST(PlaybackTime, AnEmptyWindowFillsNoBar) {
  Window w(window(2.6f, 2.6f));  // start frame 143, end frame 144
  for (const int frame : {143, 144, 150}) {
    EXPECT_DOUBLE_EQ(w.doc.animation().timeShownAt(frame), 2.5999999046325684) << frame;
    EXPECT_EQ(w.doc.animation().progressWidthAt(frame, 390), 0) << frame;
  }
}

TEST(PlaybackTime, SubFramesOutsideTheStepTableShowTheNearestStep) {
  Window w(window(-1e30f, 2.88f));  // the start frame saturates far below step 0
  EXPECT_DOUBLE_EQ(w.doc.animation().timeShownAt(w.doc.animation().startFrame() + 5),
                   2.0);  // step 0, not a read before the table
}

TEST(PlaybackTime, ASmoothChoiceRewindsAndRendersTheNewFirstFrame) {
  Window w(window());
  w.doc.ResetAnimation();
  const FramePoint first = w.doc.animation().points()[1];
  const float firstIncrement = w.doc.animation().pointIncrements()[1].value;
  for (int i = 0; i < 30; ++i) w.doc.AdvanceFrame();
  ASSERT_NE(w.doc.animation().points()[1].value, first.value);
  const int renders = w.view.renders;

  ASSERT_TRUE(w.doc.applyChoice({.smoothIndex = 2}));  // "3": 10 x 12 sub-frames per step
  EXPECT_EQ(w.doc.animation().smooth(), 120);
  EXPECT_EQ(w.doc.animation().currentFrame(), w.doc.animation().startFrame());
  EXPECT_EQ(w.view.renders, renders + 1);
  EXPECT_FLOAT_EQ(w.doc.animation().points()[1].value, first.value);
  // The increments toward the next step are a tenth of those at 12 sub-frames per step.
  EXPECT_FLOAT_EQ(w.doc.animation().pointIncrements()[1].value, firstIncrement / 10.0f);

  EXPECT_FALSE(w.doc.applyChoice({.smoothIndex = 6}));
  EXPECT_EQ(w.view.renders, renders + 1);
}

}  // namespace
}  // namespace shakeplay
