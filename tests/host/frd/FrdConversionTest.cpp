// From the modes of a .frd file to the result a shakeplay file is made of.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "results/frd/FrdError.h"
#include "results/frd/FrdResultModel.h"
#include "tests/host/frd/BrickFrd.h"

namespace host::results::test {
namespace {

FrdFile brick() {
  std::istringstream in(kBrickFrd);
  return readFrd(in, "brick.frd");
}

std::string refusal(const FrdFile& file, const FrdAnimation& a) {
  try {
    convertFrd(file, a);
  } catch (const std::exception& error) {
    return error.what();
  }
  return "accepted";
}

TEST(FrdConversion, OneModeSwingsWithItsShapeScaledToALargestDisplacementOfOne) {
  FrdAnimation a;
  a.mode = 2;
  const FrdConversion c = convertFrd(brick(), a);
  const ResultModel& m = c.model;
  EXPECT_EQ(m.title, " - BRACKET TEST: mode 2 at 31.25 Hz");
  EXPECT_EQ(m.points.size(), 8u);
  EXPECT_EQ(m.triangles.size(), 36u);
  EXPECT_EQ(m.polylines.size(), 12u);
  EXPECT_EQ(m.modeCount, 1);
  // Node 13 (the third point) moves (0.4, 0.25, -0.05); node 24 moves most, 0.882114.
  EXPECT_FLOAT_EQ(m.points[2][1], 0.3f);
  EXPECT_NEAR(m.modeShapes[0][2], 0.4534562, 1e-6);
  EXPECT_NEAR(m.modeShapes[1][2], 0.2834101, 1e-6);
  EXPECT_NEAR(m.modeShapes[2][2], -0.0566820, 1e-6);
  // One period in 33 steps.
  ASSERT_EQ(m.stepTimes.size(), 33u);
  EXPECT_FLOAT_EQ(m.stepTimes.back(), 0.032f);
  EXPECT_NEAR(m.modalCoords[8], 1.0, 1e-6);
  EXPECT_NEAR(m.modalCoords[24], -1.0, 1e-6);
  EXPECT_EQ(m.timeEnd, m.stepTimes.back());
  EXPECT_TRUE(c.notes.empty());
}

TEST(FrdConversion, AfterAnImpulseAllModesRingWithAmplitudesFallingWithFrequency) {
  FrdAnimation a;
  a.impulse = true;
  const ResultModel m = convertFrd(brick(), a).model;
  EXPECT_EQ(m.title, " - BRACKET TEST: modes 1-2 after an impulse, damping 2%");
  EXPECT_EQ(m.modeCount, 2);
  // Four periods of 12.5 Hz (0.32 s), 16 steps a period of 31.25 Hz: 161 steps; amplitudes 1
  // and 12.5 / 31.25; at step 7 (t = 0.014 s) the coordinates are 0.871528 and 0.145077.
  ASSERT_EQ(m.stepTimes.size(), 161u);
  EXPECT_FLOAT_EQ(m.stepTimes.back(), 0.32f);
  EXPECT_NEAR(m.modalCoords[14], 0.8715284, 1e-6);
  EXPECT_NEAR(m.modalCoords[15], 0.1450772, 1e-6);
}

TEST(FrdConversion, TheImpulseTakesItsDampingAmplitudesPeriodsAndSteps) {
  FrdAnimation a;
  a.impulse = true;
  a.damping = 0.05;
  a.amplitudes = {0.5, -1.5};
  a.periods = 1.5;
  a.steps = 41;
  a.title = "Bracket, first two modes";
  const FrdConversion c = convertFrd(brick(), a);
  EXPECT_EQ(c.model.title, " - Bracket, first two modes");
  ASSERT_EQ(c.model.stepTimes.size(), 41u);
  EXPECT_FLOAT_EQ(c.model.stepTimes[13], 0.039f);
  EXPECT_NEAR(c.model.modalCoords[26], 0.0352972, 1e-6);
  EXPECT_NEAR(c.model.modalCoords[27], -1.0012296, 1e-6);
  EXPECT_TRUE(c.notes.empty());  // 40 steps over 3.75 periods of 31.25 Hz: 10.7 a period
}

TEST(FrdConversion, WarnsWhenTooFewStepsShowTheHighestMode) {
  FrdAnimation a;
  a.impulse = true;
  a.periods = 1.5;
  a.steps = 21;
  EXPECT_EQ(convertFrd(brick(), a).notes,
            std::vector<std::string>{
                "5.33 steps a period of the highest mode (31.25 Hz): give more --steps for a smooth motion"});
}

TEST(FrdConversion, FeatureLinesFollowTheAngleAsked) {
  FrdAnimation a;
  a.featureAngle = 91.0;  // the brick's faces meet at 90 degrees
  EXPECT_TRUE(convertFrd(brick(), a).model.polylines.empty());
}

TEST(FrdConversion, RefusesWhatTheFileCannotGiveAndSettingsOutOfRange) {
  FrdAnimation a;
  a.mode = 3;
  EXPECT_EQ(refusal(brick(), a), "brick.frd: there is no mode 3: the file holds modes 1 to 2");
  a.mode = 0;
  EXPECT_EQ(refusal(brick(), a), "brick.frd: there is no mode 0: the file holds modes 1 to 2");

  FrdFile holed = brick();
  holed.modes[1].displacement[6][0] = std::nanf("");
  a.mode = 2;
  EXPECT_EQ(refusal(holed, a), "brick.frd:66: mode 2 gives no displacement for node 23");

  FrdFile slow = brick();
  slow.modes[1].frequency = 1e-300;
  EXPECT_EQ(refusal(slow, a),
            "brick.frd:66: the frequencies give periods too long or too short to time the steps");

  FrdAnimation impulse;
  impulse.impulse = true;
  impulse.amplitudes = {1.0, 0.5, 0.25};
  EXPECT_EQ(refusal(brick(), impulse), "--amplitudes gives 3 values; the file holds 2 modes");
  impulse.amplitudes = {0.0, 0.0};
  EXPECT_EQ(refusal(brick(), impulse), "--amplitudes are all 0: nothing would move");
  impulse.amplitudes.clear();
  impulse.damping = 1.0;
  EXPECT_EQ(refusal(brick(), impulse), "--damping must be at least 0 and below 1");
  impulse.damping = 0.02;
  impulse.steps = 1;
  EXPECT_EQ(refusal(brick(), impulse), "--steps must be 2 to 20000");
  impulse.steps.reset();
  impulse.periods = 0.0;
  EXPECT_EQ(refusal(brick(), impulse), "--periods must be above 0 and at most 10000");
}

TEST(FrdConversion, SaysWhatItLeavesOut) {
  FrdFile file = brick();
  file.laterFrequencySteps = 2;
  file.modes[0].frequency = 0.0;
  for (auto& d : file.modes[1].displacement) d = {0.0f, 0.0f, 0.0f};
  FrdAnimation a;
  a.impulse = true;
  const std::vector<std::string> notes = convertFrd(file, a).notes;
  EXPECT_EQ(notes, (std::vector<std::string>{
                       "mode 2 does not move the surface",
                       "mode 1 has no frequency: it stays still after the impulse",
                       "the file holds 2 more frequency step(s); only the modes of the first are used"}));
}

TEST(FrdConversion, TheCoefficientBaseMakesTheLargestDisplacementATenthOfTheModel) {
  FrdAnimation a;
  a.mode = 2;
  const ResultData data = encodeResultModel(convertFrd(brick(), a).model);
  // The brick's box is 1.3 x 0.7 x 0.45 (diagonal 1.543535); the largest displacement is 1.
  EXPECT_NEAR(data.ranges[7], 1.0, 1e-4);
  EXPECT_NEAR(visibleCoefBase(data), 0.1543535, 2e-5);
}

}  // namespace
}  // namespace host::results::test
