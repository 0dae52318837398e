// The small parts around the writers: the progress line, the names of a PNG series, the GIF
// frame delay, and the second thread that hands frames to a writer in order and passes its
// failure back.
#include <gtest/gtest.h>

#include <stdexcept>

#include "shakeplay/export/EncodingThread.h"
#include "shakeplay/export/GifFile.h"
#include "shakeplay/export/PngSeries.h"
#include "shakeplay/export/ProgressBar.h"

namespace shakeplay::exporting {
namespace {

TEST(ProgressLine, FillsCellsAndPercentRoundedDown) {
  // 45 of 200: 4.5 of 20 cells, 22.5 %.
  EXPECT_EQ(progressLine(45, 200, 20), "[####................]  22%  45/200 frames");
  EXPECT_EQ(progressLine(0, 7, 10), "[..........]   0%  0/7 frames");
  EXPECT_EQ(progressLine(7, 7, 10), "[##########] 100%  7/7 frames");
  // Past the end or before the start it stays within the bar.
  EXPECT_EQ(progressLine(9, 7, 10), "[##########] 100%  7/7 frames");
  EXPECT_EQ(progressLine(-2, 7, 10), "[..........]   0%  0/7 frames");
}

TEST(PngSeriesNames, FourDigitsOrAsManyAsTheLastFrameNeeds) {
  EXPECT_EQ(seriesFileName("out/beam.png", 7, 120), "out/beam-0007.png");
  EXPECT_EQ(seriesFileName("beam.PNG", 9999, 10000), "beam-9999.PNG");
  EXPECT_EQ(seriesFileName("beam.png", 7, 10001), "beam-00007.png");
  EXPECT_EQ(seriesFileName("a.b/c.png", 0, 1), "a.b/c-0000.png");
}

TEST(GifDelay, HundredthsOfASecondRoundedNeverBelowTwo) {
  EXPECT_EQ(gifDelay(25), 4);
  EXPECT_EQ(gifDelay(12), 8);  // 8.33
  EXPECT_EQ(gifDelay(30), 3);  // 3.33
  EXPECT_EQ(gifDelay(7), 14);  // 14.29
  EXPECT_EQ(gifDelay(50), 2);
  EXPECT_EQ(gifDelay(100), 2);  // 1 would be slowed down by viewers
}

// Records the first byte of each frame; fails on the frame numbered `failAt`.
class RecordingWriter final : public FrameWriter {
 public:
  explicit RecordingWriter(int failAt = -1) : failAt_(failAt) {}
  void write(const FrameImage& frame) override {
    if (static_cast<int>(firstBytes.size()) == failAt_)
      throw ExportError("disk full at frame " + std::to_string(failAt_));
    firstBytes.push_back(frame.rgb.at(0));
  }
  void finish() override { ++finishes; }
  std::vector<int> firstBytes;
  int finishes = 0;

 private:
  int failAt_;
};

FrameImage frameStartingWith(EncodingThread& thread, std::uint8_t first) {
  FrameImage frame = thread.takeBuffer();
  frame.width = 2;
  frame.height = 1;
  frame.rgb.assign(6, 0);
  frame.rgb[0] = first;
  return frame;
}

TEST(EncodingThread, WritesEveryFrameInOrderThenFinishesOnce) {
  RecordingWriter writer;
  EncodingThread thread(writer, 2);
  for (int i = 0; i < 40; ++i) thread.push(frameStartingWith(thread, static_cast<std::uint8_t>(3 * i + 1)));
  thread.finish();
  ASSERT_EQ(writer.firstBytes.size(), 40u);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(writer.firstBytes[static_cast<std::size_t>(i)], 3 * i + 1);
  EXPECT_EQ(writer.finishes, 1);
}

TEST(EncodingThread, TheWritersFailureReachesTheExporterAndNothingIsFinished) {
  RecordingWriter writer(5);
  bool thrown = false;
  {
    EncodingThread thread(writer, 1);
    try {
      for (int i = 0; i < 40; ++i) thread.push(frameStartingWith(thread, static_cast<std::uint8_t>(i)));
      thread.finish();
    } catch (const ExportError& error) {
      thrown = true;
      EXPECT_STREQ(error.what(), "disk full at frame 5");
    }
  }
  EXPECT_TRUE(thrown);
  EXPECT_EQ(writer.firstBytes.size(), 5u);
  EXPECT_EQ(writer.finishes, 0);
}

}  // namespace
}  // namespace shakeplay::exporting
