// The model view's navigation rules on their model, without a window: zoom, pick zoom, pan,
// rotation, the pop-up menu's commands, and the projection for a size.
#include <gtest/gtest.h>

#include <cmath>

#include "shakeplay/core/ViewFraming.h"
#include "shakeplay/navigation/ViewNavigation.h"

namespace shakeplay {
namespace {

// A model framed by a sphere of radius 0.75 and depth 2 x 0.6.
ViewFraming testFraming() { return {identityMatrix<double>(), 0.75f, 0.6f}; }

class Navigation : public ::testing::Test {
 protected:
  // A 600 x 400 view: the shorter side m is 400 and the centre (300, 200) is a whole pixel.
  Navigation() { nav.resize(600, 400); }
  void expectMatrix(const Matrix4& actual, const Matrix4& expected) {
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(actual[i], expected[i], 1e-5) << "element " << i;
  }
  ViewFraming framing = testFraming();
  ViewNavigation nav{framing};
};

TEST_F(Navigation, LeftDragOf750PixelsUpDoublesTheScaleAndDownReachesTheSmallestStep) {
  nav.buttonDown(MouseButton::Left, 300, 500);
  EXPECT_EQ(nav.mouseMove(300, -250), effect::kInvalidate);
  EXPECT_DOUBLE_EQ(nav.scale, 2.0);
  nav.mouseMove(300, 500);  // 750 down from -250
  EXPECT_EQ(nav.scale, kSmallestScale);
  nav.mouseMove(300, 900);  // 400 further down: x 0.46667 of the floor
  EXPECT_NEAR(nav.scale / kSmallestScale, 1.0 - 400 / 750.0, 1e-6);
  nav.mouseMove(300, 1700);  // 800 down would turn negative: the floor again
  EXPECT_EQ(nav.scale, kSmallestScale);
}

TEST_F(Navigation, SmallerZoomMovementsCompound) {
  nav.buttonDown(MouseButton::Left, 10, 300);
  nav.mouseMove(10, 225);  // 75 up: x 1.1
  nav.mouseMove(12, 75);   // 150 up: x 1.2
  nav.mouseMove(40, 105);  // 30 down: x 0.96
  EXPECT_NEAR(nav.scale, 1.1 * 1.2 * 0.96, 1e-6);
}

TEST_F(Navigation, ZoomX4ClickedAtTheCentreKeepsThePanAndQuartersTheScale) {
  EXPECT_EQ(nav.menuCommand(ID_ZOOM_X4), effect::kZoomCursor);
  EXPECT_EQ(nav.pickArmed, 1);
  const unsigned effects = nav.buttonDown(MouseButton::Left, 300, 200);
  EXPECT_TRUE(effects & effect::kArrowCursor);
  EXPECT_TRUE(effects & effect::kInvalidate);
  expectMatrix(nav.panMatrix, identity4());
  EXPECT_DOUBLE_EQ(nav.scale, 0.25);
  EXPECT_EQ(nav.pickArmed, 0);
  EXPECT_EQ(nav.pickZoom, 1.0f);
  EXPECT_EQ(nav.zooming, 0);  // the pick starts no drag
}

TEST_F(Navigation, ZoomX2ClickedOffCentreBringsThatPointToTheCentre) {
  // p = 2 x 0.75 / 400 = 0.00375 per pixel; (400, 150) is 100 right of and 50 above the centre.
  nav.menuCommand(ID_ZOOM_X2);
  nav.buttonDown(MouseButton::Left, 400, 150);
  Matrix4 expected = identity4();
  expected[12] = -0.375f;
  expected[13] = -0.1875f;
  expectMatrix(nav.panMatrix, expected);
  EXPECT_DOUBLE_EQ(nav.scale, 0.5);
}

TEST_F(Navigation, RightDragPansByTheDocumentRadiusPerShorterSide) {
  nav.buttonDown(MouseButton::Right, 100, 100);
  EXPECT_EQ(nav.mouseMove(140, 70), effect::kInvalidate);  // 40 right, 30 up
  Matrix4 expected = identity4();
  expected[12] = 0.15f;    // 40 x 0.00375
  expected[13] = 0.1125f;  // 30 x 0.00375
  expectMatrix(nav.panMatrix, expected);
}

TEST_F(Navigation, MiddleDragOfTheShorterSideTurns144DegreesAtScaleOneAnd72AtHalf) {
  nav.buttonDown(MouseButton::Middle, 100, 200);
  EXPECT_EQ(nav.mouseMove(500, 200), effect::kNotifyOrientation | effect::kInvalidate);
  // 144 degrees about +y: cos 144 = -0.809017, sin 144 = 0.587785.
  Matrix4 expected = identity4();
  expected[0] = -0.809017f, expected[2] = -0.587785f, expected[8] = 0.587785f, expected[10] = -0.809017f;
  expectMatrix(nav.rotationMatrix, expected);

  nav.buttonUp(MouseButton::Middle);
  nav.rotationMatrix = identity4();
  nav.scale = 0.5;
  nav.buttonDown(MouseButton::Middle, 300, 300);
  nav.mouseMove(300, 700);  // 400 down: 72 degrees about +x, the top comes toward the viewer
  // y' = y cos 72 - z sin 72, z' = y sin 72 + z cos 72; cos 72 = 0.309017, sin 72 = 0.951057.
  expected = identity4();
  expected[5] = 0.309017f, expected[6] = 0.951057f, expected[9] = -0.951057f, expected[10] = 0.309017f;
  expectMatrix(nav.rotationMatrix, expected);
}

TEST_F(Navigation, NewTurnsComeBeforeTheAccumulatedRotation) {
  nav.rotationMatrix = rotation(90.0f, 0.0f, 0.0f, 1.0f);  // the model already turned about z
  nav.buttonDown(MouseButton::Middle, 0, 0);
  nav.mouseMove(-250, 0);  // 250 left: 90 degrees about -y, screen x goes into z
  // The model's x axis (on screen y after the first turn) stays on screen y.
  const auto modelX = transformPoint(nav.rotationMatrix, 1.0f, 0.0f, 0.0f);
  EXPECT_NEAR(modelX[0], 0.0f, 1e-5);
  EXPECT_NEAR(modelX[1], 1.0f, 1e-5);
  EXPECT_NEAR(modelX[2], 0.0f, 1e-5);
  const auto modelY = transformPoint(nav.rotationMatrix, 0.0f, 1.0f, 0.0f);
  EXPECT_NEAR(modelY[2], -1.0f, 1e-5);  // was screen -x, now away from the viewer
}

TEST_F(Navigation, RestoreRemovesPanAndZoomButKeepsTheTurn) {
  nav.buttonDown(MouseButton::Middle, 0, 0);
  nav.mouseMove(37, -11);
  nav.buttonUp(MouseButton::Middle);
  const Matrix4 turned = nav.rotationMatrix;
  nav.buttonDown(MouseButton::Right, 5, 5);
  nav.mouseMove(60, 90);
  nav.buttonUp(MouseButton::Right);
  nav.menuCommand(ID_ZOOM_X4);
  nav.buttonDown(MouseButton::Left, 123, 321);
  ASSERT_NE(nav.scale, 1.0);
  EXPECT_EQ(nav.menuCommand(ID_RESTORE), effect::kInvalidate);
  expectMatrix(nav.panMatrix, identity4());
  expectMatrix(nav.rotationMatrix, turned);
  EXPECT_EQ(nav.scale, 1.0);
  EXPECT_EQ(nav.pickZoom, 1.0f);
}

TEST_F(Navigation, ModeCommandDoesNothing) {
  EXPECT_EQ(nav.menuCommand(ID_MODE), 0u);
  EXPECT_EQ(nav.pickArmed, 0);
}

TEST_F(Navigation, EveryDragCapturesAndOnlyTheLastReleaseLetsGo) {
  EXPECT_EQ(nav.buttonDown(MouseButton::Left, 1, 2), effect::kCapture | effect::kZoomCursor);
  EXPECT_EQ(nav.buttonDown(MouseButton::Right, 1, 2), effect::kCapture | effect::kZoomCursor);
  EXPECT_EQ(nav.buttonUp(MouseButton::Left), 0u);
  EXPECT_EQ(nav.buttonUp(MouseButton::Right), effect::kRelease | effect::kArrowCursor);
}

TEST_F(Navigation, DoubleClickShowsTheMenuEndsPanAndTurnOrZoomsWithControl) {
  nav.buttonDown(MouseButton::Middle, 1, 1);
  nav.buttonDown(MouseButton::Right, 1, 1);
  EXPECT_EQ(nav.leftDoubleClick(10, 20, false), effect::kShowMenu);
  EXPECT_EQ(nav.rotating, 0);
  EXPECT_EQ(nav.panning, 0);

  EXPECT_EQ(nav.leftDoubleClick(10, 20, true), effect::kCapture | effect::kZoomCursor);
  EXPECT_EQ(nav.zooming, 1);

  nav.menuCommand(ID_ZOOM_X2);
  EXPECT_EQ(nav.leftDoubleClick(10, 20, false), 0u);  // armed: no menu
}

TEST_F(Navigation, ControlKeyDrawsEdgesOnlyWhileHeld) {
  EXPECT_EQ(nav.controlKey(true), effect::kInvalidate);
  EXPECT_TRUE(nav.edgesOnly);
  nav.controlKey(false);
  EXPECT_FALSE(nav.edgesOnly);
}

TEST(NavigationProjection, WideWindowKeepsTheFullHeightAndTallOneTheFullWidth) {
  ViewFraming framing = testFraming();
  ViewNavigation nav(framing);
  nav.resize(685, 550);
  // a = 0.75; aspect = 550 / 685; x reaches a / aspect = 0.934091; depth = 2 x 0.6.
  OrthoBox box = nav.projection();
  EXPECT_NEAR(box.right, 0.934091, 1e-6);
  EXPECT_NEAR(box.left, -0.934091, 1e-6);
  EXPECT_DOUBLE_EQ(box.top, 0.75);
  EXPECT_DOUBLE_EQ(box.bottom, -0.75);
  EXPECT_DOUBLE_EQ(box.farZ, 2.0 * 0.6f);
  EXPECT_DOUBLE_EQ(box.nearZ, -2.0 * 0.6f);

  nav.resize(400, 600);
  box = nav.projection();
  EXPECT_DOUBLE_EQ(box.right, 0.75);
  EXPECT_DOUBLE_EQ(box.top, 1.125);
  EXPECT_DOUBLE_EQ(box.bottom, -1.125);
}

TEST(NavigationProjection, IsGivenAgainOnlyWhenScaleOrSizeChanged) {
  ViewFraming framing = testFraming();
  ViewNavigation nav(framing);
  EXPECT_FALSE(nav.takeProjection());  // no radius taken yet
  nav.resize(300, 200);
  EXPECT_TRUE(nav.takeProjection());
  EXPECT_FALSE(nav.takeProjection());
  nav.scale = 1.5;
  ASSERT_TRUE(nav.takeProjection());
  nav.resize(301, 200);
  nav.skipNextSize = 1;
  EXPECT_FALSE(nav.takeProjection());  // held while a size is to be skipped
}

TEST(NavigationResize, SkippedSizeAndEmptySizeKeepTheStoredOne) {
  ViewFraming framing = testFraming();
  ViewNavigation nav(framing);
  nav.resize(640, 480);
  nav.skipNextSize = 1;
  nav.resize(100, 100);
  EXPECT_EQ(nav.width, 640);
  EXPECT_EQ(nav.skipNextSize, 0);
  nav.resize(0, 300);
  nav.resize(200, -1);
  EXPECT_EQ(nav.width, 640);
  EXPECT_EQ(nav.height, 480);
  nav.resize(686, 550);
  EXPECT_EQ(nav.width, 686);
  EXPECT_DOUBLE_EQ(nav.aspect, 550.0 / 686.0);
}

TEST(NavigationViewMatrix, FirstRenderTakesTheFilesMatrixInSinglePrecision) {
  ViewFraming framing = testFraming();
  framing.viewMatrix = {0.5, 0.1, 0.2, 0, -0.3, 0.25, 0.0, 0, 1.0 / 3.0, 0, 1, 0, 0.125, 0, 0, 1};
  ViewNavigation nav(framing);
  nav.loadViewMatrix();
  for (int i = 0; i < 16; ++i)
    EXPECT_EQ(nav.rotationMatrix[i], static_cast<float>(framing.viewMatrix[i])) << i;
}

}  // namespace
}  // namespace shakeplay
