// The z-order rules of the main window's children.
#include <gtest/gtest.h>

#include <vector>

#include "shakeplay/app/StackingOrder.h"

namespace shakeplay {
namespace {

using Order = std::vector<Child>;
constexpr Child M = Child::ModelView, C = Child::ColourBar, P = Child::ControlPanel,
                B = Child::OrientationBox;

TEST(StackingOrder, StartsInCreationOrder) {
  StackingOrder stacking;
  EXPECT_EQ(stacking.order(), (Order{M, B, C, P}));
  EXPECT_TRUE(stacking.glBoxOpen());
}

TEST(StackingOrder, ActivationPutsThePanelAtTheBottomAndTheBoxOnTop) {
  StackingOrder stacking;
  EXPECT_TRUE(stacking.childActivated());
  EXPECT_EQ(stacking.order(), (Order{P, M, C, B}));
  EXPECT_FALSE(stacking.childActivated());  // already so
}

TEST(StackingOrder, APaintedPanelComesOverTheColourBarButStaysUnderTheBox) {
  StackingOrder stacking;
  stacking.childActivated();
  EXPECT_TRUE(stacking.panelPainted());
  EXPECT_EQ(stacking.order(), (Order{M, C, P, B}));
  EXPECT_FALSE(stacking.panelPainted());
  EXPECT_FALSE(stacking.boxPainted());
}

TEST(StackingOrder, AfterTheBoxClosedActivationsNoLongerReorder) {
  StackingOrder stacking;
  stacking.childActivated();
  stacking.panelPainted();
  EXPECT_TRUE(stacking.boxClosed());
  EXPECT_FALSE(stacking.glBoxOpen());
  EXPECT_EQ(stacking.order(), (Order{M, C, P}));
  EXPECT_FALSE(stacking.childActivated());
  EXPECT_EQ(stacking.order(), (Order{M, C, P}));
  EXPECT_FALSE(stacking.boxPainted());
  EXPECT_FALSE(stacking.boxClosed());
}

TEST(StackingOrder, PanelPaintedBeforeAnyActivationStillLeavesTheBoxOnTop) {
  StackingOrder stacking;
  EXPECT_TRUE(stacking.panelPainted());
  EXPECT_EQ(stacking.order(), (Order{M, C, P, B}));
}

}  // namespace
}  // namespace shakeplay
