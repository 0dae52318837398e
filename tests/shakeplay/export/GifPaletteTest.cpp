// A frame's colours for a GIF: kept exactly when there are few enough, close otherwise.
#include <gtest/gtest.h>

#include <cstdlib>

#include "shakeplay/export/GifPalette.h"

namespace shakeplay::exporting {
namespace {

using Rgb = std::array<int, 3>;

// A frame whose pixel i (row by row) has the colour colourOf(i).
template <class ColourOf>
FrameImage imageOf(int width, int height, ColourOf colourOf) {
  FrameImage frame{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width * height) * 3)};
  for (int i = 0; i < width * height; ++i) {
    const Rgb colour = colourOf(i);
    std::uint8_t* pixel = frame.rgb.data() + 3 * static_cast<std::size_t>(i);
    for (std::size_t c = 0; c < 3; ++c) pixel[c] = static_cast<std::uint8_t>(colour[c]);
  }
  return frame;
}

int worstChannelError(const FrameImage& frame, const IndexedFrame& indexed) {
  int worst = 0;
  for (std::size_t i = 0; i < indexed.indices.size(); ++i) {
    const auto& colour = indexed.palette.at(indexed.indices[i]);
    for (std::size_t c = 0; c < 3; ++c) worst = std::max(worst, std::abs(colour[c] - frame.rgb[3 * i + c]));
  }
  return worst;
}

TEST(GifPalette, ColoursSharingFiveBitBinsAreAveragedWithinTheirBin) {
  // 256 colours, red 0..255 with green and blue fixed: eight reds share each 5-bit bin.
  const FrameImage frame = imageOf(32, 16, [](int i) { return Rgb{(i * 37) % 256, 7, 201}; });
  const IndexedFrame indexed = indexFrame(frame);
  // Not exact although there are only 256: each bin becomes the mean of its eight, 4 off at most.
  EXPECT_FALSE(indexed.exact);
  EXPECT_EQ(indexed.palette.size(), 32u);
  EXPECT_LE(worstChannelError(frame, indexed), 4);
}

TEST(GifPalette, ColoursInDistinctBinsAreExact) {
  // 256 colours, each alone in its bin: red and green on a 16 x 16 grid 16 apart, offset by 5.
  const FrameImage frame = imageOf(40, 20, [](int i) {
    return Rgb{5 + 16 * (i % 16), 5 + 16 * ((i / 16) % 16), 99};
  });
  const IndexedFrame indexed = indexFrame(frame);
  EXPECT_TRUE(indexed.exact);
  EXPECT_EQ(indexed.palette.size(), 256u);
  EXPECT_EQ(worstChannelError(frame, indexed), 0);
}

TEST(GifPalette, AGradientOfManyColoursComesCloseWithTwoHundredFiftySix) {
  // 64 x 64 colours over red and green: 4096 colours, 1024 bins.
  const FrameImage frame = imageOf(64, 64, [](int i) {
    return Rgb{4 * (i % 64) + 1, 4 * (i / 64) + 2, 128};
  });
  const IndexedFrame indexed = indexFrame(frame);
  EXPECT_FALSE(indexed.exact);
  EXPECT_EQ(indexed.palette.size(), 256u);
  // 256 boxes of 2 x 2 bins (16 x 16 values): no channel more than half a box plus a bin off.
  EXPECT_LE(worstChannelError(frame, indexed), 12);
}

TEST(GifPalette, OneColourGivesOneEntry) {
  const IndexedFrame indexed = indexFrame(imageOf(3, 2, [](int) { return Rgb{0, 0, 89}; }));
  EXPECT_TRUE(indexed.exact);
  ASSERT_EQ(indexed.palette.size(), 1u);
  EXPECT_EQ(indexed.palette[0], (std::array<std::uint8_t, 3>{0, 0, 89}));
}

}  // namespace
}  // namespace shakeplay::exporting
