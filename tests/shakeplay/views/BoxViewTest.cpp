// The orientation box drawn on a 120 x 120 pbuffer with the system font's glyphs, and the set-up
// of its OpenGL base.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/gl/FontGlyphs.h"
#include "shakeplay/core/ShakeplayDoc.h"
#include "shakeplay/navigation/Matrix4.h"
#include "shakeplay/views/GLBoxView.h"
#include "tests/shakeplay/support/TestModel.h"
#include "tests/shakeplay/views/GlPictures.h"

namespace shakeplay {
namespace {

constexpr std::uint32_t kWhite = test::rgb(255, 255, 255);
constexpr std::uint32_t kCubeBlue = test::rgb(51, 153, 255);
bool isBlack(std::uint32_t p) { return test::near(p, 0, 60); }

class Box : public ::testing::Test {
 protected:
  Box() : pbuffer(test::makePbuffer(120, 120)) {}

  test::Picture paint() {
    CGLBoxView view(doc, surface, gl::fontGlyphs);
    EXPECT_TRUE(view.InitializeOpenGL(kNoError));
    view.OnSize(120, 120);
    view.OnPaint();
    EXPECT_EQ(view.rotation, doc.rotation());
    return test::Picture(*pbuffer);
  }
  // The small test model, read with this background.
  void loadWithBackground(const std::array<double, 3>& background) {
    host::results::ResultData data = test::smallResult();
    data.background = background;
    ASSERT_EQ(test::load(doc, data), 0);
  }
  void whiteBackground() { loadWithBackground({1.0, 1.0, 1.0}); }

  class Surface final : public GlSurface {
   public:
    explicit Surface(std::unique_ptr<gl::EglPbuffer>& pbuffer) : pbuffer_(pbuffer) {}
    bool makeCurrent() override { return pbuffer_->makeCurrent(); }
    void swapBuffers() override {}

   private:
    std::unique_ptr<gl::EglPbuffer>& pbuffer_;
  };

  std::unique_ptr<gl::EglPbuffer> pbuffer;
  Surface surface{pbuffer};
  test::RecordingServices services;
  CShakeplayDoc doc{services};
};

TEST_F(Box, IdentityRotationPutsXRightAndYUpInBlackOnWhite) {
  whiteBackground();
  const test::Picture picture = paint();
  picture.save("shakeplay-box-identity.png");
  EXPECT_EQ(picture.at(2, 2), kWhite);
  EXPECT_EQ(picture.at(60, 60), kCubeBlue);  // the cube's front face at the centre
  // The outline at +-47 around the centre (60, 60): on the pixel edges at 13 and 107, drawn in
  // the columns left of them.
  for (int y : {30, 60, 90}) {
    EXPECT_TRUE(isBlack(picture.at(13, y)) || isBlack(picture.at(12, y))) << y;
    EXPECT_TRUE(isBlack(picture.at(107, y)) || isBlack(picture.at(106, y))) << y;
  }
  // The x axis runs right along row 68.5 (y = -8.46) to x = 93.3; the y axis up column 51.5.
  EXPECT_TRUE(isBlack(picture.at(85, 68)) || isBlack(picture.at(85, 69)));
  EXPECT_TRUE(isBlack(picture.at(51, 35)) || isBlack(picture.at(52, 35)));
  // "X" is drawn right of the x axis' end, above its line; "Y" above the y axis' end.
  EXPECT_GT(picture.count(94, 52, 104, 68, isBlack), 10);
  EXPECT_GT(picture.count(52, 14, 64, 26, isBlack), 10);
  // Nothing mirrors them on the other sides.
  EXPECT_EQ(picture.count(15, 52, 27, 68, isBlack), 0);
  EXPECT_EQ(picture.count(52, 94, 64, 106, isBlack), 0);
}

TEST_F(Box, FollowsTheDocumentsRotation) {
  whiteBackground();
  doc.setRotation(rotation(90.0f, 0.0f, 0.0f, 1.0f));  // x now points up, y left
  const test::Picture picture = paint();
  picture.save("shakeplay-box-turned.png");
  // The x axis' end is at (68.5, 93.3) in window terms: up, a little right of the centre.
  EXPECT_TRUE(isBlack(picture.at(68, 35)) || isBlack(picture.at(69, 35)));
  EXPECT_EQ(picture.count(94, 52, 104, 68, isBlack), 0);  // no longer any label on the right
  EXPECT_GT(picture.count(69, 14, 81, 26, isBlack), 10);  // "X" above
}

TEST_F(Box, OtherBackgroundsDrawTheEdgesInNearWhite) {
  loadWithBackground({1.0, 1.0, 0.999});
  const test::Picture picture = paint();
  EXPECT_EQ(picture.at(2, 2), test::rgb(255, 255, 255));
  EXPECT_TRUE(test::near(picture.at(13, 60), test::rgb(255, 250, 250)) ||
              test::near(picture.at(12, 60), test::rgb(255, 250, 250)));
  EXPECT_EQ(picture.count(0, 0, 119, 119, isBlack), 0);
}

TEST_F(Box, InitialisationReadsTheDriverAndBuildsTheFont) {
  CGLBoxView view(doc, surface, gl::fontGlyphs);
  EXPECT_STREQ(view.errorText, "No Error");
  ASSERT_TRUE(view.InitializeOpenGL(kNoError));
  EXPECT_NE(view.fontBase, 0u);
  EXPECT_TRUE(glIsList(view.fontBase + 'X'));
  EXPECT_EQ(view.glVendor, reinterpret_cast<const char*>(glGetString(GL_VENDOR)));
  EXPECT_NE(view.glRenderer.find("llvmpipe"), std::string::npos);
  EXPECT_EQ(view.accelClass, 0);
  EXPECT_FALSE(view.glExtensions.empty());
}

TEST_F(Box, TheFirstFailureIsKeptAndNothingIsDrawn) {
  CGLBoxView view(doc, surface, gl::fontGlyphs);
  EXPECT_FALSE(view.InitializeOpenGL(kCreateContext));
  view.RecordError(kSwapBuffers);
  EXPECT_STREQ(view.errorText, "wglCreateContext failed");
  glClearColor(0.25f, 0.5f, 0.75f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  view.OnPaint();
  EXPECT_TRUE(test::near(test::Picture(*pbuffer).at(60, 60), test::rgb(64, 128, 191)));
}

TEST(AcceleratorClass, SoftwareRenderersAreGenericOthersDeviceSpecific) {
  EXPECT_EQ(acceleratorClassOf("llvmpipe (LLVM 15.0.6, 256 bits)"), 0);
  EXPECT_EQ(acceleratorClassOf("softpipe"), 0);
  EXPECT_EQ(acceleratorClassOf("Mesa Intel(R) UHD Graphics 620 (KBL GT2)"), 2);
}

TEST(FontGlyphs, LatinGlyphsHaveInkAndAdvanceControlCodesNothing) {
  const gl::FontGlyphs glyphs = gl::fontGlyphs("", 0);
  const gl::Glyph& x = glyphs['X'];
  EXPECT_GT(x.width, 3);
  EXPECT_GT(x.height, 5);
  EXPECT_GE(x.advance, static_cast<float>(x.width) - 1.0f);
  EXPECT_EQ(x.bits.size(), static_cast<std::size_t>((x.width + 7) / 8 * x.height));
  EXPECT_LE(x.yorig, 1.0f);  // "X" stands on the baseline
  const gl::Glyph& g = glyphs['g'];
  EXPECT_GE(g.yorig, x.yorig + 2.0f);  // "g" reaches below it
  const std::vector<std::uint8_t>& space = glyphs[' '].bits;
  EXPECT_TRUE(std::all_of(space.begin(), space.end(), [](std::uint8_t bits) { return bits == 0; }))
      << "no ink";
  EXPECT_GT(glyphs[' '].advance, 0.0f);
  EXPECT_EQ(glyphs['\n'].advance, 0.0f);
  EXPECT_GT(glyphs[0xE9].width, 0);  // Latin-1 e acute
  // A named face at 12 pixels is smaller than the bold system font.
  EXPECT_LE(gl::fontGlyphs("Ariel", 12)['X'].height, x.height);
}

TEST(Matrix4, RotationAndTranslationEqualWhatTheOpenGLStackComputes) {
  auto pbuffer = test::makePbuffer(8, 8);
  ASSERT_TRUE(pbuffer);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(0.3f, -1.25f, 2.0f);
  glRotatef(37.0f, 1.0f, -2.0f, 3.0f);
  glRotatef(-112.5f, 0.0f, -1.0f, 0.0f);
  Matrix4 stack{};
  glGetFloatv(GL_MODELVIEW_MATRIX, stack.data());
  const Matrix4 ours = multiply(multiply(translation(0.3f, -1.25f, 2.0f), rotation(37.0f, 1.0f, -2.0f, 3.0f)),
                                rotation(-112.5f, 0.0f, -1.0f, 0.0f));
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(ours[i], stack[i], 2e-6) << i;
}

}  // namespace
}  // namespace shakeplay
