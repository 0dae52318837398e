// Reading the two blocks: every size at its boundary, the caption's end, the unread first
// record; and what the windows do with blocks that do not hold a curve.
#include <cstring>

#include "curveplot/CCurvePlotDlg.h"
#include "curveplot/CCurvePlotLogDlg.h"
#include "curveplot/CurveReader.h"
#include "platform/CommandLine.h"
#include "platform/ui/ModalRun.h"
#include "tests/curveplot/ShownPlot.h"

namespace curveplot::test {
namespace {

const std::vector<CurveSegment> kRecords = {
    {0.5, 1.25, 0.0, 0.0}, {1.5, 2.25, -3.0, 7.5}, {2.5, 3.25, -6.0, 15.0}};

// An "INFO" data area with the segment count and a caption field full of 'k' (no ending zero).
std::vector<char> infoBytes(std::size_t size, std::int32_t count) {
  std::vector<char> bytes(size, 'k');
  std::memcpy(bytes.data() + offsetof(CurveInfoBlock, segmentCount), &count, sizeof count);
  return bytes;
}

std::optional<CurveInput> read(std::size_t infoSize, std::int32_t count, std::size_t lineBytes,
                               std::size_t firstRecord = 0) {
  const std::vector<char> info = infoBytes(infoSize, count);
  return readCurve({info.data(), info.size()}, {kRecords.data(), lineBytes}, firstRecord);
}

TEST(CurveReader, SizesAtTheirBoundaries) {
  EXPECT_FALSE(read(595, 3, 96));  // INFO one byte short of the caption's end
  EXPECT_TRUE(read(596, 3, 96));
  EXPECT_FALSE(read(596, 3, 95));  // LINE one byte short of three records
  EXPECT_FALSE(read(596, -1, 96));
  EXPECT_TRUE(read(596, 0, 0));
}

TEST(CurveReader, RecordsFromTheFirstReadOn) {
  const auto curve = read(596, 3, 96, 1);
  ASSERT_TRUE(curve);
  ASSERT_EQ(curve->segments.size(), 3u);
  EXPECT_EQ(curve->segments[0].x0, 0.0) << "record 0 left zero";
  EXPECT_EQ(curve->segments[0].x1, 0.0);
  EXPECT_EQ(curve->segments[2].x1, 3.25);
  EXPECT_EQ(curve->segments[2].y0, -6.0);
  EXPECT_EQ(curve->segments[2].y1, 15.0);
}

TEST(CurveReader, CaptionWithoutItsZeroIsCutAt299) {
  EXPECT_EQ(read(596, 0, 0)->caption, std::string(299, 'k'));
  std::vector<char> info = infoBytes(596, 0);
  info[offsetof(CurveInfoBlock, caption) + 12] = '\0';
  EXPECT_EQ(readCurve({info.data(), 596}, {kRecords.data(), 0}, 0)->caption, std::string(12, 'k'));
}

// Blocks that do not hold a curve: the user is told, the window ends as it opens, and both
// blocks are detached and unchanged.
template <class PlotDialog>
void expectRefused(CurveHost& host, ui::testing::ScriptedServices& services, const char* what) {
  const std::vector<char> before = host.snapshot();
  PlotDialog dialog;
  EXPECT_TRUE(dialog.attachFailed()) << what;
  EXPECT_EQ(ui::runHeadless(dialog, [](ui::Dialog&) { ADD_FAILURE() << "shown"; }), ui::IDCANCEL);
  ASSERT_EQ(services.boxes().size(), 1u) << what;
  EXPECT_EQ(services.boxes()[0].text, "Cannot attach shared memory segment.");
  EXPECT_EQ(services.boxes()[0].caption, "ERROR");
  EXPECT_EQ(host.info.header().attachCount, 0) << what;
  EXPECT_EQ(host.line.header().attachCount, 0) << what;
  EXPECT_EQ(host.snapshot(), before) << what;
  services = {};
}

TEST_F(PlotTest, UnreadableBlocksAreRefused) {
  const Curve curve{.valueTop = 1.0, .caption = "x", .segments = kRecords};
  CurveHost shortInfo(curve, 595);
  shortInfo.launch("curveplot");
  expectRefused<CCurvePlotDlg>(shortInfo, services, "short INFO");
  CurveHost shortLine(curve, 596, 3 * 32 - 1);
  shortLine.launch("curveplotb");
  expectRefused<CCurvePlotLogDlg>(shortLine, services, "short LINE");
  CurveHost host(curve);
  host.setSegmentCount(-1);
  host.launch("curveplot");
  expectRefused<CCurvePlotDlg>(host, services, "negative count");
  host.setSegmentCount(3);
  host.launch("curveplot", "FT", "SM");
  expectRefused<CCurvePlotDlg>(host, services, "INFO of kind FT");
  host.launch("curveplotb", "SM", "FB");
  expectRefused<CCurvePlotLogDlg>(host, services, "LINE of kind FB");
  platform::setCommandLine({"/usr/bin/curveplot", "/TAG:INFO:SM:" + host.info.key()});
  expectRefused<CCurvePlotDlg>(host, services, "no LINE");
  platform::setCommandLine(
      {"/usr/bin/curveplot", "/TAG:INFO:SM:" + host.info.key(), "/TAG:LINE:SM:kvcurveNoSuchKey"});
  testing::internal::CaptureStderr();
  expectRefused<CCurvePlotDlg>(host, services, "LINE not attachable");
  EXPECT_NE(testing::internal::GetCapturedStderr().find("lyrIpc: Can not attach shared memory."),
            std::string::npos);
}

// A good pair of blocks is let go, unchanged, before the window exists.
TEST_F(PlotTest, BlocksAreDetachedBeforeTheWindowExists) {
  CurveHost host({.valueTop = 1.0, .caption = "x", .segments = kRecords});
  const std::vector<char> before = host.snapshot();
  host.launch("curveplot");
  CCurvePlotDlg dialog;
  EXPECT_FALSE(dialog.attachFailed());
  for (HostBlock* block : {&host.info, &host.line}) {
    EXPECT_EQ(block->header().attachCount, 0);
    EXPECT_EQ(block->header().attachedMark, 1);
  }
  EXPECT_EQ(host.snapshot(), before);
}

}  // namespace
}  // namespace curveplot::test
