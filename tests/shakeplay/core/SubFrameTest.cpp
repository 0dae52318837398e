#include <gtest/gtest.h>

#include "tests/shakeplay/support/TestModel.h"

namespace shakeplay {
namespace {

using host::results::ResultData;

struct LoadedWindow {
  test::RecordingServices services;
  CShakeplayDoc doc{services};
};

// Steps 0.1 s apart; the window from `first` to `last`, with the given start and end times.
void loadWindow(LoadedWindow& l, int first, int last, float timeStart, float timeEnd) {
  ResultData data = test::smallResult(40, first, last);
  data.timeStart = timeStart;
  data.timeEnd = timeEnd;
  ASSERT_EQ(test::load(l.doc, data), 0);
}

TEST(SubFrameRange, AtLoadAShortWindowGets20MinusItsSpanSubFrames) {
  LoadedWindow l;
  loadWindow(l, 10, 15, 1.05f, 1.5f);  // span 5
  EXPECT_EQ(l.doc.animation().smooth(), 15);
  EXPECT_EQ(l.doc.animation().startFrame(), 15 * 10 + 7);  // half a step of 15 sub-frames in
  EXPECT_EQ(l.doc.animation().currentFrame(), l.doc.animation().startFrame());
  EXPECT_EQ(l.doc.animation().endFrame(), 15 * 15);
}

TEST(SubFrameRange, AtLoadASpanOf19Or20KeepsOneSubFramePerStep) {
  LoadedWindow nineteen;
  loadWindow(nineteen, 10, 29, 1.05f, 2.9f);
  EXPECT_EQ(nineteen.doc.animation().smooth(), 1);
  EXPECT_EQ(nineteen.doc.animation().startFrame(), 10);  // trunc of half a step
  EXPECT_EQ(nineteen.doc.animation().endFrame(), 29);

  LoadedWindow twenty;
  loadWindow(twenty, 10, 30, 1.05f, 2.95f);
  EXPECT_EQ(twenty.doc.animation().smooth(), 1);
  EXPECT_EQ(twenty.doc.animation().startFrame(), 10);
  EXPECT_EQ(twenty.doc.animation().endFrame(), 30);
}

TEST(SubFrameRange, AnEndTimeBeforeTheLastStepEndsPlaybackEarlier) {
  LoadedWindow early;
  loadWindow(early, 10, 15, 1.0f, 1.45f);  // half a step before step 15, at 15 sub-frames a step
  EXPECT_EQ(early.doc.animation().endFrame(), 15 * 15 - 7);
  LoadedWindow beyond;
  loadWindow(beyond, 10, 15, 1.0f, 9.0f);
  EXPECT_EQ(beyond.doc.animation().endFrame(), 15 * 15);
}

TEST(SubFrameRange, SmoothSelectionMultipliesForShortWindows) {
  LoadedWindow wide;
  loadWindow(wide, 0, 30, 0.0f, 3.0f);
  ASSERT_TRUE(wide.doc.applyChoice({.smoothIndex = 1}));  // "2"
  EXPECT_EQ(wide.doc.animation().smooth(), 5);
  EXPECT_EQ(wide.doc.animation().startFrame(), 0);
  EXPECT_EQ(wide.doc.animation().endFrame(), 150);

  LoadedWindow narrow;
  loadWindow(narrow, 10, 18, 1.0525f, 1.7475f);  // span 8; 0.525 of a step in, 0.525 short
  EXPECT_EQ(narrow.doc.animation().smooth(), 12);
  EXPECT_EQ(narrow.doc.animation().endFrame(), 12 * 18 - 6);
  ASSERT_TRUE(narrow.doc.applyChoice({.smoothIndex = 1}));
  EXPECT_EQ(narrow.doc.animation().smooth(), 60);
  EXPECT_EQ(narrow.doc.animation().startFrame(), 600 + 31);
  EXPECT_EQ(narrow.doc.animation().endFrame(), 60 * 18 - 31);

  ASSERT_TRUE(narrow.doc.applyChoice({.smoothIndex = 0}));  // "1": fractional start, whole end
  EXPECT_EQ(narrow.doc.animation().smooth(), 12);
  EXPECT_EQ(narrow.doc.animation().startFrame(), 120 + 6);
  EXPECT_EQ(narrow.doc.animation().currentFrame(), 126);
  EXPECT_EQ(narrow.doc.animation().endFrame(), 12 * 18);

  EXPECT_FALSE(narrow.doc.applyChoice({.smoothIndex = 6}));
  EXPECT_FALSE(narrow.doc.applyChoice({.smoothIndex = -1}));
  EXPECT_EQ(narrow.doc.animation().smooth(), 12);
}

TEST(SubFrameRange, AStartTimeFarOutsideTheStepsSaturatesInsteadOfOverflowing) {
  LoadedWindow l;
  loadWindow(l, 10, 15, -1e30f, 1.5f);
  EXPECT_EQ(l.doc.animation().startFrame(), -2147483647 - 1);
  l.doc.ResetAnimation();
  for (int i = 0; i < 3; ++i) l.doc.AdvanceFrame();  // rows before the table are never read
  EXPECT_EQ(l.doc.animation().currentFrame(), l.doc.animation().startFrame() + 3);
}

}  // namespace
}  // namespace shakeplay
