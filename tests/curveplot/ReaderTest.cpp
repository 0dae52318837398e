// Reading the two blocks: every size at its boundary, the caption's end, the unread first
// record; and what the windows do when the blocks do not hold a curve.
#include <cstring>
#include <vector>

#include "curveplot/CCurvePlotDlg.h"
#include "curveplot/CCurvePlotLogDlg.h"
#include "curveplot/CurveReader.h"
#include "platform/CommandLine.h"
#include "platform/ui/ModalRun.h"
#include "tests/curveplot/ShownPlot.h"

namespace curveplot::test {
namespace {

// An "INFO" data area of `size` bytes with the given segment count and a caption field full of
// 'k' (no ending zero).
std::vector<char> infoBytes(std::size_t size, std::int32_t count) {
  std::vector<char> bytes(size, 'k');
  if (size >= offsetof(CurveInfoBlock, dispersion)) {
    std::memcpy(bytes.data() + offsetof(CurveInfoBlock, segmentCount), &count, sizeof count);
  }
  return bytes;
}

std::vector<CurveSegment> records(int count) {
  std::vector<CurveSegment> segments;
  for (int i = 0; i < count; ++i) segments.push_back({i + 0.5, i + 1.25, -3.0 * i, 7.5 * i});
  return segments;
}

std::optional<CurveInput> read(const std::vector<char>& info, const std::vector<CurveSegment>& line,
                               std::size_t lineBytes, std::size_t firstRecord = 0) {
  return readCurve({info.data(), info.size()}, {line.data(), lineBytes}, firstRecord);
}

TEST(CurveReader, InfoBlockSizeAtItsBoundary) {
  const auto line = records(3);
  EXPECT_FALSE(read(infoBytes(595, 3), line, 96));
  EXPECT_TRUE(read(infoBytes(596, 3), line, 96));
}

TEST(CurveReader, LineBlockMustHoldEveryRecord) {
  const auto line = records(3);
  EXPECT_FALSE(read(infoBytes(596, 3), line, 95));
  EXPECT_FALSE(read(infoBytes(596, -1), line, 96));
  const auto curve = read(infoBytes(596, 3), line, 96);
  ASSERT_TRUE(curve);
  ASSERT_EQ(curve->segments.size(), 3u);
  EXPECT_EQ(curve->segments[2].x1, 3.25);
  EXPECT_EQ(curve->segments[2].y0, -6.0);
  EXPECT_EQ(curve->segments[2].y1, 15.0);
}

TEST(CurveReader, NoSegmentsNeedNoRecords) {
  const auto curve = read(infoBytes(596, 0), records(1), 0);
  ASSERT_TRUE(curve);
  EXPECT_TRUE(curve->segments.empty());
}

TEST(CurveReader, MissingBlock) {
  const auto info = infoBytes(596, 0);
  EXPECT_FALSE(readCurve({info.data(), info.size()}, {}, 0));
  EXPECT_FALSE(readCurve({}, {info.data(), 0}, 0));
}

TEST(CurveReader, FirstRecordLeftUnread) {
  const auto line = records(3);
  const auto curve = read(infoBytes(596, 3), line, 96, 1);
  ASSERT_TRUE(curve);
  EXPECT_EQ(curve->segments[0].x0, 0.0);
  EXPECT_EQ(curve->segments[0].x1, 0.0);
  EXPECT_EQ(curve->segments[1].x0, 1.5);
  EXPECT_EQ(curve->firstRecord, 1u);
}

TEST(CurveReader, CaptionWithoutItsZeroIsCutAt299) {
  const auto curve = read(infoBytes(596, 0), records(1), 0);
  ASSERT_TRUE(curve);
  EXPECT_EQ(curve->caption, std::string(299, 'k'));
  std::vector<char> info = infoBytes(596, 0);
  info[offsetof(CurveInfoBlock, caption) + 12] = '\0';
  EXPECT_EQ(read(info, records(1), 0)->caption, std::string(12, 'k'));
}

// Blocks that do not hold a curve: the user is told, the window ends as it opens, and both
// blocks are detached, unread and unchanged.
class Unreadable : public PlotTest {
 protected:
  template <class PlotDialog>
  void expectRefused(CurveHost& host) {
    const std::vector<char> before = host.snapshot();
    PlotDialog dialog;
    EXPECT_TRUE(dialog.attachFailed());
    EXPECT_EQ(ui::runHeadless(dialog, [](ui::Dialog&) { ADD_FAILURE() << "shown"; }), ui::IDCANCEL);
    ASSERT_EQ(services.boxes().size(), 1u);
    EXPECT_EQ(services.boxes()[0].text, "Cannot attach shared memory segment.");
    EXPECT_EQ(services.boxes()[0].caption, "ERROR");
    EXPECT_EQ(host.info().header().attachCount, 0);
    EXPECT_EQ(host.line().header().attachCount, 0);
    EXPECT_EQ(host.snapshot(), before);
    services = {};
  }
  Curve curve{.markMaximum = 0, .valueTop = 1.0, .valueBottom = 0.0, .dispersion = 0.0,
              .caption = "x", .segments = records(4)};
};

TEST_F(Unreadable, ShortOrInconsistentBlocks) {
  CurveHost shortInfo(curve, 595);
  shortInfo.launch("curveplot");
  expectRefused<CCurvePlotDlg>(shortInfo);

  CurveHost shortLine(curve, 596, 4 * 32 - 1);
  shortLine.launch("curveplotb");
  expectRefused<CCurvePlotLogDlg>(shortLine);

  CurveHost negative(curve);
  negative.setSegmentCount(-1);
  negative.launch("curveplot");
  expectRefused<CCurvePlotDlg>(negative);
}

TEST_F(Unreadable, FileKindsAttachNothing) {
  CurveHost host(curve);
  host.launch("curveplot", "FT", "SM");
  expectRefused<CCurvePlotDlg>(host);
  host.launch("curveplotb", "SM", "FB");
  expectRefused<CCurvePlotLogDlg>(host);
}

TEST_F(Unreadable, MissingOrUnattachableBlock) {
  CurveHost host(curve);
  platform::setCommandLine({"/usr/bin/curveplot", "/TAG:INFO:SM:" + host.info().key()});
  expectRefused<CCurvePlotDlg>(host);
  platform::setCommandLine({"/usr/bin/curveplot", "/TAG:INFO:SM:" + host.info().key(),
                            "/TAG:LINE:SM:kvcurveNoSuchKey"});
  testing::internal::CaptureStderr();
  expectRefused<CCurvePlotDlg>(host);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("lyrIpc: Can not attach shared memory."),
            std::string::npos);
}

// A good pair of blocks is let go as soon as the window is constructed.
TEST_F(PlotTest, BlocksAreDetachedBeforeTheWindowExists) {
  CurveHost host({.markMaximum = 0, .valueTop = 1.0, .valueBottom = 0.0, .dispersion = 0.0,
                  .caption = "x", .segments = records(4)});
  const std::vector<char> before = host.snapshot();
  host.launch("curveplot");
  CCurvePlotDlg dialog;
  EXPECT_FALSE(dialog.attachFailed());
  EXPECT_EQ(host.info().header().attachCount, 0);
  EXPECT_EQ(host.line().header().attachCount, 0);
  EXPECT_EQ(host.info().header().attachedMark, 1);
  EXPECT_EQ(host.line().header().attachedMark, 1);
  EXPECT_EQ(host.snapshot(), before);
}

}  // namespace
}  // namespace curveplot::test
