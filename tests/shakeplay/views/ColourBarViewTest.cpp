// The colour bar drawn on a pbuffer and read back: band places and colours, the lines, and the
// value labels, drawn with glyphs whose height encodes the character so that the text can be
// read back from the pixels.
#include <gtest/gtest.h>

#include <string>

#include "shakeplay/core/ShakeplayDoc.h"
#include "shakeplay/views/ColourBarView.h"
#include "tests/shakeplay/support/TestModel.h"
#include "tests/shakeplay/views/GlPictures.h"

namespace shakeplay {
namespace {

// Glyph k of this alphabet is a bar 3 pixels wide and k pixels high; every glyph advances 5.
const std::string kAlphabet = " 0123456789.e+-";
constexpr int kAdvance = 5;

gl::FontGlyphs codedGlyphs(const std::string&, int) {
  gl::FontGlyphs glyphs;
  for (std::size_t k = 0; k < kAlphabet.size(); ++k) {
    gl::Glyph& glyph = glyphs[static_cast<unsigned char>(kAlphabet[k])];
    glyph.advance = kAdvance;
    glyph.width = 3;
    glyph.height = static_cast<int>(k);
    glyph.bits.assign(k, 0xE0);  // three pixels at the left of each one-byte row
  }
  return glyphs;
}

constexpr std::uint32_t kBack = test::rgb(0, 0, 89);        // the document's background
constexpr std::uint32_t kLabel = test::rgb(255, 250, 250);  // its edge colour
bool isLabel(std::uint32_t pixel) { return test::near(pixel, kLabel); }

class ColourBar : public ::testing::Test {
 protected:
  ColourBar() { load({0.0, 0.0, 0.35}, -1.0f, 6.0f); }
  // The small test model, read with this background and this range of its component (X).
  void load(const std::array<double, 3>& background, float rangeMin, float rangeMax) {
    host::results::ResultData data = test::smallResult();
    data.background = background;
    data.ranges[0] = rangeMin;
    data.ranges[1] = rangeMax;
    ASSERT_EQ(test::load(doc, data), 0);
  }
  // Created, sized twice (the first size is skipped) and painted.
  test::Picture paint(int w, int h) {
    pbuffer = test::makePbuffer(w, h);
    view = std::make_unique<CColourBarView>(doc, surface, codedGlyphs);
    view->OnCreate(true);
    view->OnSize(w, h);
    view->OnSize(w, h);
    view->OnPaint();
    return test::Picture(*pbuffer);
  }
  // The text of the label whose first character's ink starts at column x, read from the
  // heights of the glyph bars (above the two lines at the bottom).
  static std::string readLabel(const test::Picture& picture, int x, int length, std::uint32_t ink = kLabel) {
    std::string text;
    for (int k = 0; k < length; ++k) {
      const int column = x + k * kAdvance + 1;
      const int height = picture.count(column, 0, column, picture.height() - 3,
                                       [ink](std::uint32_t pixel) { return test::near(pixel, ink); });
      text += height < static_cast<int>(kAlphabet.size()) ? kAlphabet[static_cast<std::size_t>(height)] : '?';
    }
    return text;
  }

  class Surface final : public GlSurface {
   public:
    explicit Surface(std::unique_ptr<gl::EglPbuffer>& pbuffer) : pbuffer_(pbuffer) {}
    bool makeCurrent() override { return pbuffer_->makeCurrent(); }
    void swapBuffers() override { ++swaps; }
    int swaps = 0;

   private:
    std::unique_ptr<gl::EglPbuffer>& pbuffer_;
  };

  test::RecordingServices services;
  CShakeplayDoc doc{services};
  std::unique_ptr<gl::EglPbuffer> pbuffer;
  Surface surface{pbuffer};
  std::unique_ptr<CColourBarView> view;
};

TEST_F(ColourBar, SixteenBandsEvery42Point75PixelsEach40Point75Wide) {
  const test::Picture picture = paint(684, 37);
  ASSERT_EQ(view->width, 684);
  picture.save("shakeplay-colour-bar.png");
  // Bands cover y from -1 to 15 of -18..18 on 37 rows: rows 3 to 19 from the top.
  for (int i = 0; i < kColourBands; ++i) {
    const double left = i * 42.75;
    const auto& c = kBandColours[static_cast<std::size_t>(i)];
    const std::uint32_t colour =
        test::rgb(static_cast<int>(c[0] * 255 + 0.5), static_cast<int>(c[1] * 255 + 0.5),
                  static_cast<int>(c[2] * 255 + 0.5));
    for (int x : {static_cast<int>(left) + 1, static_cast<int>(left + 20), static_cast<int>(left + 39.5)}) {
      EXPECT_TRUE(test::near(picture.at(x, 10), colour))
          << "band " << i << " x " << x << " " << std::hex << picture.at(x, 10);
      EXPECT_TRUE(test::near(picture.at(x, 4), colour)) << "band " << i << " x " << x;
      EXPECT_TRUE(test::near(picture.at(x, 19), colour)) << "band " << i << " x " << x;
      EXPECT_EQ(picture.at(x, 20), kBack) << "band " << i << " x " << x;
      EXPECT_EQ(picture.at(x, 2), kBack) << "band " << i << " x " << x;
    }
    // The 2-pixel gap after the band: the pixel centred in it.
    const int gap = static_cast<int>(left + 41.25 + 0.5);
    EXPECT_EQ(picture.at(gap, 10), kBack) << "gap after band " << i << " at " << gap;
  }
}

TEST_F(ColourBar, GreyLinesAtTopAndBottomAndTheDarkLineAboveTheBottom) {
  const test::Picture picture = paint(684, 37);
  for (int x : {0, 100, 341, 683}) {
    EXPECT_EQ(picture.at(x, 0), test::rgb(251, 251, 251)) << x;
    EXPECT_EQ(picture.at(x, 36), test::rgb(251, 251, 251)) << x;
    EXPECT_EQ(picture.at(x, 35), test::rgb(0, 0, 0)) << x;
  }
}

TEST_F(ColourBar, EightLabelsFromMinimumToMaximumReadBackAtTheirPlaces) {
  const test::Picture picture = paint(684, 37);
  // Label i starts at x = 85.5 i + 5.75 (the right edge of band 2i, less 35, from the left).
  EXPECT_EQ(readLabel(picture, 5, 10), "-1.000e+00");
  EXPECT_EQ(readLabel(picture, 91, 10), " 0.000e+00");
  EXPECT_EQ(readLabel(picture, 604, 10), " 6.000e+00");
  EXPECT_EQ(view->LabelText(3), " 2.000e+00");
  // No ink just before the first label and between label 0 and label 1.
  EXPECT_EQ(picture.count(0, 0, 4, 36, isLabel), 0);
  EXPECT_EQ(picture.count(56, 0, 89, 36, isLabel), 0);
  // Baselines: the bars stand on row 3 of 37, counted from the bottom.
  EXPECT_TRUE(isLabel(picture.at(6, 36 - 3)));  // '-' is 14 high: rows 3..16 from the bottom
  EXPECT_TRUE(isLabel(picture.at(6, 36 - 16)));
  EXPECT_FALSE(isLabel(picture.at(6, 36 - 17)));
  EXPECT_FALSE(isLabel(picture.at(6, 36 - 2)));
}

// On a white background the labels take the black of the lines there, not the near-white edge
// colour they would vanish in.
TEST_F(ColourBar, OnAWhiteBackgroundTheLabelsAreBlack) {
  load({1.0, 1.0, 1.0}, -1.0f, 6.0f);
  const test::Picture picture = paint(684, 37);
  EXPECT_EQ(readLabel(picture, 5, 10, test::rgb(0, 0, 0)), "-1.000e+00");
  EXPECT_EQ(picture.count(0, 0, 683, 36, isLabel), 0);
}

TEST_F(ColourBar, EqualMinimumAndMaximumPrintEightEqualLabels) {
  load({0.0, 0.0, 0.35}, 2.5f, 2.5f);
  const test::Picture picture = paint(684, 37);
  for (int i = 0; i < CColourBarView::kLabels; ++i) {
    EXPECT_EQ(view->LabelText(i), " 2.500e+00") << i;
  }
  EXPECT_EQ(readLabel(picture, 347, 10), " 2.500e+00");  // label 4 at 85.5 x 4 + 5.75
}

TEST_F(ColourBar, FirstSizeAfterCreationKeepsTheInitialSize) {
  pbuffer = test::makePbuffer(684, 37);
  CColourBarView bar(doc, surface, codedGlyphs);
  bar.OnCreate(true);
  bar.OnSize(684, 37);
  EXPECT_EQ(bar.width, 300);
  EXPECT_EQ(bar.height, 20);
  bar.OnSize(500, 30);
  EXPECT_EQ(bar.width, 500);
  EXPECT_EQ(bar.height, 30);
  EXPECT_DOUBLE_EQ(bar.LabelX(1), 2 * 31.25 - 250 + 29.25 - 35);
}

}  // namespace
}  // namespace shakeplay
