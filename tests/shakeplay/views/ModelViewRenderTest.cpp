// The model view drawing the plate sample on a 685 x 550 pbuffer: where the projection puts it,
// the start-up sequence of the first two renders, the file's view matrix, edges only, pan, and
// triangles left out.
#include <gtest/gtest.h>

#include "results/ResultModel.h"
#include "results/SampleModels.h"
#include "shakeplay/core/ShakeplayDoc.h"
#include "shakeplay/views/ShakeplayView.h"
#include "tests/shakeplay/support/TestModel.h"
#include "tests/shakeplay/views/GlPictures.h"

namespace shakeplay {
namespace {

constexpr std::uint32_t kPlateBack = test::rgb(0, 0, 89);   // the plate's background, 0.35
constexpr std::uint32_t kFirstBack = test::rgb(0, 0, 138);  // the clear colour before, 0.5411
bool isModel(std::uint32_t p) { return p != kPlateBack; }
// The near-white edge colour, blended by the smoothed lines: bright in all three channels.
bool isEdge(std::uint32_t p) {
  return ((p >> 16) & 0xFFu) > 120 && ((p >> 8) & 0xFFu) > 120 && (p & 0xFFu) > 120;
}

class ModelView : public ::testing::Test {
 protected:
  static host::results::ResultData plate(const std::array<double, 16>& viewMatrix) {
    host::results::ResultData data = host::results::encodeResultModel(host::results::makePlateModel());
    data.viewMatrix = viewMatrix;
    return data;
  }
  void load(const std::array<double, 16>& viewMatrix) {
    ASSERT_EQ(test::load(doc, plate(viewMatrix)), 0);
    doc.setRenderer(&view);
    view.CreateContext(true);
    view.OnSize(685, 550);
  }
  // The first render and the size and paint it posts.
  void startUp() {
    view.RenderScene();
    view.OnSize(685, 550);
    view.RenderScene();
  }
  void expectBox(const test::PixelBox& box, int left, int top, int right, int bottom) {
    EXPECT_NEAR(box.left, left, 1);
    EXPECT_NEAR(box.top, top, 1);
    EXPECT_NEAR(box.right, right, 1);
    EXPECT_NEAR(box.bottom, bottom, 1);
  }

  std::unique_ptr<gl::EglPbuffer> pbuffer = test::makePbuffer(685, 550);
  test::PbufferWindow window{*pbuffer};
  test::RecordingServices services;
  CShakeplayDoc doc{services};
  CShakeplayView view{doc, window};
};

// The plate is 1.0 x 0.4 about its centre; radius = 1.1 x half its diagonal = 0.592368. The
// window is wider than high: y spans +-0.592368 on 550 rows, x +-0.737767 on 685 columns.
// x = -0.5 .. 0.5 falls on columns 110.4 .. 574.6; y = -0.2 .. 0.2 on rows 182.2 .. 367.8.
TEST_F(ModelView, PlateLiesWhereTheProjectionPutsIt) {
  load(identityMatrix<double>());
  startUp();
  const test::Picture picture(*pbuffer);
  picture.save("shakeplay-model-view.png");
  expectBox(picture.boxOf(isModel), 110, 182, 574, 367);
  EXPECT_EQ(picture.at(3, 3), kPlateBack);
  const std::uint32_t centre = picture.at(342, 275);
  EXPECT_NE(centre, kPlateBack);
  EXPECT_FALSE(isEdge(centre));
}

TEST_F(ModelView, FirstRenderClearsDarkBlueAndPostsTheStartUpSequence) {
  load(identityMatrix<double>());
  view.RenderScene();
  EXPECT_EQ(test::Picture(*pbuffer).at(3, 3), kFirstBack);
  EXPECT_EQ(window.postedSizes, 1);
  EXPECT_EQ(window.invalidates, 2);  // the view matrix loaded, and the extra paint
  EXPECT_EQ(window.panelWidenings, 0);
  EXPECT_EQ(view.navigation.skipNextSize, 1);

  view.OnSize(685, 550);
  EXPECT_EQ(view.navigation.skipNextSize, 0);
  view.RenderScene();
  EXPECT_EQ(test::Picture(*pbuffer).at(3, 3), kPlateBack);
  EXPECT_EQ(window.panelWidenings, 1);
  EXPECT_EQ(window.boxRepaints, 1);
  view.RenderScene();
  EXPECT_EQ(window.postedSizes, 1);
  EXPECT_EQ(window.panelWidenings, 1);
  EXPECT_EQ(window.boxRepaints, 1);
  EXPECT_EQ(window.swaps, 3);
  EXPECT_EQ(view.renderCount, 3);
}

TEST_F(ModelView, FilesViewMatrixTurnsThePlateAndReachesTheDocument) {
  // 90 degrees about z: the plate stands upright, x = -0.2 .. 0.2 on columns 249.7 .. 435.4,
  // y = -0.5 .. 0.5 on rows 42.9 .. 507.1.
  load({0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
  startUp();
  expectBox(test::Picture(*pbuffer).boxOf(isModel), 250, 43, 434, 506);
  EXPECT_EQ(doc.rotation()[1], 1.0f);
  EXPECT_EQ(doc.rotation()[4], -1.0f);
  EXPECT_EQ(view.modelviewMatrix, doc.rotation());
}

TEST_F(ModelView, PanMovesThePlateByItsPixels) {
  load(identityMatrix<double>());
  startUp();
  view.navigation.panMatrix = translation(0.1f, -0.05f, 0.0f);  // 46.4 right, 23.2 down
  view.RenderScene();
  expectBox(test::Picture(*pbuffer).boxOf(isModel), 157, 205, 621, 390);
}

TEST_F(ModelView, ATurnReachesTheDocumentBeforeTheBoxRepaintsNotAtTheNextRender) {
  load(identityMatrix<double>());
  startUp();
  const int repaints = window.boxRepaints;
  view.navigation.buttonDown(MouseButton::Middle, 100, 100);
  view.Apply(view.navigation.mouseMove(160, 100));
  EXPECT_EQ(window.boxRepaints, repaints + 1);
  EXPECT_EQ(doc.rotation(), view.navigation.rotationMatrix);
  EXPECT_NE(doc.rotation(), identityMatrix<float>());
}

TEST_F(ModelView, EdgesOnlyLeavesTheSurfaceOut) {
  load(identityMatrix<double>());
  startUp();
  view.Apply(view.navigation.controlKey(true));
  view.RenderScene();
  const test::Picture picture(*pbuffer);
  picture.save("shakeplay-model-view-edges.png");
  EXPECT_EQ(picture.at(342, 275), kPlateBack);
  EXPECT_EQ(picture.count(112, 184, 572, 365, isModel), 0);  // inside the outline
  // The left and the bottom edge lines (the smoothed joints of the strip are fainter).
  EXPECT_GT(picture.count(108, 200, 112, 350, isEdge), 120);
  EXPECT_GT(picture.count(200, 365, 500, 369, isEdge), 240);
  expectBox(picture.boxOf(isModel), 110, 182, 574, 367);
}

TEST_F(ModelView, TrianglesNotShownAreLeftOutOfTheirRun) {
  load(identityMatrix<double>());
  // The first row of cells, 80 cells of two triangles: y = -0.2 .. -0.18667, rows 361.5 .. 367.8.
  LoadedResult hidden = test::readResult(plate(identityMatrix<double>()));
  for (int t = 0; t < 160; ++t) hidden.triangleShown[static_cast<std::size_t>(t)] = 0;
  doc.adoptResult(std::move(hidden));
  startUp();
  const test::Picture picture(*pbuffer);
  EXPECT_EQ(picture.count(150, 363, 540, 365, isModel), 0);
  EXPECT_EQ(picture.count(150, 340, 540, 359, [](std::uint32_t p) { return p == kPlateBack; }), 0);
}

// A synthetic plate of 200,000 points has more than one to a pixel here: while it plays or a
// drag is under way it is drawn reduced, close to the full picture; when it stops, or the drag
// ends, the view asks for a paint and draws the full picture again, the very one it drew before.
TEST_F(ModelView, DenseModelIsDrawnReducedOnlyWhileMoving) {
  ASSERT_EQ(
      test::load(doc, host::results::encodeResultModel(host::results::makeSyntheticModel(200000, 2, 9))), 0);
  doc.setRenderer(&view);
  view.CreateContext(true);
  view.OnSize(685, 550);
  startUp();
  doc.applyChoice({.deformed = true});
  ASSERT_FALSE(view.drewReduced());
  const test::Picture still(*pbuffer);

  doc.setPlaying(true);
  view.RenderScene();
  EXPECT_TRUE(view.drewReduced());
  const test::Picture playing(*pbuffer);
  playing.save("shakeplay-model-view-playing.png");
  int model = 0, differing = 0;
  for (int y = 0; y < 550; ++y) {
    for (int x = 0; x < 685; ++x) {
      if (still.at(x, y) == kPlateBack && playing.at(x, y) == kPlateBack) continue;
      ++model;
      differing += test::near(still.at(x, y), playing.at(x, y), 8) ? 0 : 1;
    }
  }
  EXPECT_GT(model, 50000);
  EXPECT_LT(differing, model / 100) << "of " << model << " pixels of the model";

  const int invalidates = window.invalidates;
  doc.setPlaying(false);
  EXPECT_EQ(window.invalidates, invalidates + 1) << "the full picture is asked for";
  view.RenderScene();
  EXPECT_FALSE(view.drewReduced());
  const test::Picture stopped(*pbuffer);
  for (int y = 0; y < 550; ++y)
    for (int x = 0; x < 685; ++x) ASSERT_EQ(stopped.at(x, y), still.at(x, y)) << x << ", " << y;

  // A turn with the middle button: reduced while it lasts, the full picture once it ends.
  view.Apply(view.navigation.buttonDown(MouseButton::Middle, 300, 200));
  view.Apply(view.navigation.mouseMove(310, 204));
  view.RenderScene();
  EXPECT_TRUE(view.drewReduced());
  view.navigation.controlKey(true);  // edges only: nothing to reduce
  view.RenderScene();
  EXPECT_FALSE(view.drewReduced());
  view.navigation.controlKey(false);
  view.RenderScene();
  const int beforeRelease = window.invalidates;
  view.Apply(view.navigation.buttonUp(MouseButton::Middle));
  EXPECT_EQ(window.invalidates, beforeRelease + 1);
  view.RenderScene();
  EXPECT_FALSE(view.drewReduced());
}

// The plate sample has fewer points than pixels: drawing it reduced would gain nothing.
TEST_F(ModelView, SparseModelIsDrawnInFullWhilePlaying) {
  load(identityMatrix<double>());
  startUp();
  doc.setPlaying(true);
  view.RenderScene();
  EXPECT_FALSE(view.drewReduced());
  const int invalidates = window.invalidates;
  doc.setPlaying(false);
  EXPECT_EQ(window.invalidates, invalidates) << "nothing to draw again";
}

}  // namespace
}  // namespace shakeplay
