// The export's first frame beside the window's: shakeplay on the test's X server (GLX, a Qt
// framebuffer object) and shakeplay-export on an EGL pbuffer draw the same file at the same
// size; the model view's pixels must be the same, every one.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "results/ResultData.h"
#include "results/ResultModel.h"
#include "results/SampleModels.h"
#include "shakeplay/app/WindowLayout.h"
#include "tests/host/HostProcess.h"
#include "tests/shakeplay/qt/ShakeplayRun.h"
#include "tests/support/Pictures.h"

namespace shakeplay::test {
namespace {

// The model view less its last row, which the colour bar covers in the window.
const QRect kModelArea{0, 0, layout::kModelView.cx, layout::kColourBar.y};
const std::vector<std::string> kNoLeakCheckAfterGlx{"ASAN_OPTIONS=detect_leaks=0"};

// The model view once shakeplay has drawn it and handled its start-up: its corner shows the
// `background` (not the screen's black while the window is still being placed). After 15 s, the
// last grab.
QImage settledModelView(const ShakeplayRun& run, QRgb background) {
  QImage now;
  for (int i = 0; i < 75; ++i) {
    run.sync();
    now = run.grab(kModelArea);
    if (now.pixel(0, 0) == background) return now;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  return now;
}

// The pixels that differ, white on black, for people to look at.
QImage differences(const QImage& a, const QImage& b) {
  QImage marked(a.size(), QImage::Format_RGB32);
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x)
      marked.setPixel(x, y, a.pixel(x, y) == b.pixel(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
  }
  return marked;
}

TEST(ExportBesideWindow, TheFirstFrameIsTheWindowsModelViewPixelForPixel) {
  host::test::TempFolder folder;
  const std::string plate = folder.file("plate.res").string();
  const std::vector<unsigned char> bytes =
      host::results::encodeResultFile(host::results::encodeResultModel(host::results::makePlateModel()));
  std::ofstream(plate, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));

  const host::test::HostRun exported =
      host::test::runProgram(host::test::binFolder() / "shakeplay-export",
                             {plate, "--component", "3", "--size", "685x550", "--frames", "1", "--out",
                              folder.file("first.png").string()},
                             folder);
  ASSERT_EQ(exported.exitCode, 0) << exported.err;
  QImage frame = QImage(QString::fromStdString(folder.file("first-0000.png").string()))
                     .convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(frame.size(), QSize(685, 550));
  frame = frame.copy(kModelArea);

  ShakeplayRun run({"shakeplay", plate, "3"}, "KORVENA 3.52 : MAGNITUDE", kNoLeakCheckAfterGlx);
  ASSERT_TRUE(run.started());
  const QImage window = settledModelView(run, frame.pixel(0, 0)).convertToFormat(QImage::Format_RGB32);
  frame.save(QString::fromStdString(testsupport::picturePath("shakeplay-export-first-frame.png")));
  window.save(QString::fromStdString(testsupport::picturePath("shakeplay-window-first-frame.png")));
  const int differing = differingPixels(window, frame);
  if (differing != 0)
    differences(window, frame)
        .save(QString::fromStdString(testsupport::picturePath("shakeplay-export-differences.png")));
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace shakeplay::test
