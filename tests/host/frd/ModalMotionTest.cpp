// Modal coordinates over time: one mode's sine, and the ring-down after an impulse.
#include <gtest/gtest.h>

#include "results/frd/ModalMotion.h"

namespace host::results {
namespace {

TEST(ModalMotion, ASwingRunsWholePeriodsAndEndsWhereItBegan) {
  const ModalMotion m = swingMotion(3.7, 2.0, 9);  // a quarter period a step
  const std::vector<float> expected{0, 1, 0, -1, 0, 1, 0, -1, 0};
  ASSERT_EQ(m.coords.size(), 9u);
  for (int s = 0; s < 9; ++s) {
    EXPECT_NEAR(m.coords[s], expected[s], 1e-6) << s;
    EXPECT_FLOAT_EQ(m.stepTimes[s], static_cast<float>(2.0 / 3.7 * s / 8));
  }
}

TEST(ModalMotion, AModeWithoutFrequencySwingsWithAPeriodOfOne) {
  const ModalMotion m = swingMotion(0.0, 1.5, 7);
  EXPECT_FLOAT_EQ(m.stepTimes.back(), 1.5f);
  EXPECT_NEAR(m.coords[1], 1.0, 1e-6);  // 1.5 periods in 6 steps: a quarter period a step
}

TEST(ModalMotion, ARigidModeStaysStillAndTheLowestFrequencySetsTheDuration) {
  const ModalMotion m = impulseMotion({0.0, 4.0}, {1.0, 1.0}, 0.02, 2.0, 11);
  EXPECT_FLOAT_EQ(m.stepTimes.back(), 0.5f);
  for (int s = 0; s < 11; ++s) EXPECT_EQ(m.coords[2 * s], 0.0f);
  EXPECT_NE(m.coords[2 * 3 + 1], 0.0f);
}

TEST(ModalMotion, ImpulseStepsGiveTheHighestModeSixteenStepsAPeriodWithinLimits) {
  EXPECT_EQ(impulseSteps({2.0, 7.5}, 4.0), 241);     // 2 s, 15 periods of 7.5 Hz
  EXPECT_EQ(impulseSteps({5.0, 5.5}, 1.0), 101);     // 18.6 wanted
  EXPECT_EQ(impulseSteps({1.0, 300.0}, 4.0), 4001);  // 19201 wanted
  EXPECT_EQ(impulseSteps({0.0, 0.0}, 4.0), 101);
}

}  // namespace
}  // namespace host::results
