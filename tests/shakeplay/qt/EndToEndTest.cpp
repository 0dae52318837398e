// shakeplay as the host starts it, under the test's X server: the demo's window found by its
// caption, the model turned with the mouse, the orientation box closed with Escape, the
// animation played, stopped and rewound from the panel, the window closed; a .frd file opened
// in one step; and the ways start-up ends early, each with its message box and exit code.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/ui/DialogUnits.h"
#include "shakeplay/app/WindowLayout.h"
#include "shakeplay/panel/ControlResources.h"
#include "tests/host/HostProcess.h"
#include "tests/host/frd/BrickFrd.h"
#include "tests/shakeplay/qt/ShakeplayRun.h"
#include "tests/support/HostedTool.h"

namespace shakeplay::test {
namespace {

const QRect kModelArea{0, 0, layout::kModelView.cx, layout::kModelView.cy};
const QRect kBoxArea{layout::kOrientationBox.x, layout::kOrientationBox.y, layout::kOrientationBox.cx,
                     layout::kOrientationBox.cy};
const std::string kCaption = "KORVENA 3.52 : DISPLACEMENT ZCLAMPED PLATE";
// In a sanitizer build, Mesa's GLX driver is unloaded before the leak check runs, and what it
// still held can no longer be told from a leak of the program's own. The drawing code is
// checked for leaks in process, on an EGL pbuffer, by the drawing tests.
const std::vector<std::string> kNoLeakCheckAfterGlx{"ASAN_OPTIONS=detect_leaks=0"};

// How long a stopped picture is watched for a change: no tick may come after STOP.
void watchStill() { std::this_thread::sleep_for(std::chrono::seconds(1)); }

// Waits (up to 10 s) until the area shows more than one colour: the view has drawn.
bool waitForDrawing(const ShakeplayRun& run, const QRect& area) {
  for (int i = 0; i < 100; ++i) {
    const QImage image = run.grab(area);
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); y += 7) {
      for (int x = 0; x < image.width(); x += 7) {
        if (image.pixel(x, y) != first) return true;
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return false;
}

// Waits (up to 10 s) until the area differs from `before` in more than `pixels` pixels: the
// animation has moved on; how many differ in the end.
int waitForChange(const ShakeplayRun& run, const QRect& area, const QImage& before, int pixels) {
  int differing = 0;
  for (int i = 0; i < 50; ++i) {
    differing = differingPixels(before, run.grab(area));
    if (differing > pixels) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  return differing;
}

// The pixels of the area that differ from `before` once shakeplay has handled what it was sent.
int changedAfterSync(const ShakeplayRun& run, const QRect& area, const QImage& before) {
  run.sync();
  return differingPixels(before, run.grab(area));
}

void middleDrag(const ShakeplayRun& run, int x0, int y0, int x1, int y1) {
  const std::string w = run.window();
  run.xdotool("mousemove --window " + w + " " + std::to_string(x0) + " " + std::to_string(y0) +
              " mousedown 2");
  run.xdotool("mousemove --window " + w + " " + std::to_string((x0 + x1) / 2) + " " +
              std::to_string((y0 + y1) / 2));
  run.xdotool("mousemove --window " + w + " " + std::to_string(x1) + " " + std::to_string(y1) + " mouseup 2");
}

TEST(ShakeplayEndToEnd, DemoTurnsWithTheMiddleButtonLosesItsBoxToEscapeAndClosesWithCodeZero) {
  ShakeplayRun run({"korvena-host", "demo", "shakeplay"}, kCaption, kNoLeakCheckAfterGlx);
  ASSERT_TRUE(run.started()) << "no window \"" << kCaption << "\" appeared";
  ASSERT_TRUE(waitForDrawing(run, kModelArea));
  ASSERT_TRUE(waitForDrawing(run, kBoxArea));
  run.sync();
  run.savePicture("shakeplay-e2e-start.png");

  // A middle drag turns the model and the box with it.
  QImage model = run.grab(kModelArea);
  const QImage box = run.grab(kBoxArea);
  middleDrag(run, 300, 300, 380, 340);
  EXPECT_GT(changedAfterSync(run, kModelArea, model), 2000);
  EXPECT_GT(changedAfterSync(run, kBoxArea, box), 100);
  const QImage turnedModel = run.grab(kModelArea), turnedBox = run.grab(kBoxArea);
  run.savePicture("shakeplay-e2e-turned.png");

  // Control held shows the edges only.
  run.xdotool("mousemove --window " + run.window() + " 600 500 click 1");  // the model view takes the keys
  run.xdotool("keydown Control_L");
  EXPECT_GT(changedAfterSync(run, kModelArea, turnedModel), 2000);
  run.xdotool("keyup Control_L");
  EXPECT_LT(changedAfterSync(run, kModelArea, turnedModel), 50);

  // A left drag zooms; "&Restore" from the double-click menu takes the zoom back, not the turn.
  run.xdotool("mousemove --window " + run.window() + " 300 300 mousedown 1 mousemove --window " +
              run.window() + " 300 200 mouseup 1");
  EXPECT_GT(changedAfterSync(run, kModelArea, turnedModel), 2000);
  run.xdotool("click --repeat 2 --delay 60 1");
  run.sync();
  run.savePicture("shakeplay-e2e-menu.png");
  run.xdotool("key r");
  EXPECT_LT(changedAfterSync(run, kModelArea, turnedModel), 50);

  // Escape in the box closes it; the model view goes on turning.
  run.xdotool("mousemove --window " + run.window() + " 605 655 click 1");
  run.xdotool("key Escape");
  EXPECT_GT(changedAfterSync(run, kBoxArea, turnedBox), 2000);
  model = run.grab(kModelArea);
  middleDrag(run, 300, 300, 250, 200);
  EXPECT_GT(changedAfterSync(run, kModelArea, model), 2000);
  const QImage afterBox = run.grab(kBoxArea);
  int boxBackground = 0;
  for (int y = 0; y < afterBox.height(); ++y) {
    for (int x = 0; x < afterBox.width(); ++x)
      boxBackground += afterBox.pixel(x, y) == qRgb(0, 0, 89) ? 1 : 0;
  }
  EXPECT_EQ(boxBackground, 0);  // the box is gone for good: the panel shows there
  run.savePicture("shakeplay-e2e-no-box.png");

  run.closeWindow();
  EXPECT_EQ(run.finish(), 0);
}

// A control of the panel, in pixels of the main window's client area.
QRect panelControl(int id) {
  const ui::DialogTemplate& panel = controlTemplate();
  const ui::BaseUnits base{};  // the panel keeps its template's pixels
  for (const ui::ControlTemplate& control : panel.controls) {
    if (control.id != id) continue;
    const ui::Rect r = ui::dialogToPixels(control.rect, base);
    return {layout::kControlPanel.x + r.x, layout::kControlPanel.y + r.y, r.cx, r.cy};
  }
  ADD_FAILURE() << "no control " << id;
  return {};
}

void clickPanel(const ShakeplayRun& run, int id) {
  const QRect r = panelControl(id);
  run.xdotool("mousemove --window " + run.window() + " " + std::to_string(r.center().x()) + " " +
              std::to_string(r.center().y()) + " click 1");
}

TEST(ShakeplayEndToEnd, PlayAnimatesStopHoldsStillResetShowsTheStartAgain) {
  ShakeplayRun run({"korvena-host", "demo", "shakeplay"}, kCaption, kNoLeakCheckAfterGlx);
  ASSERT_TRUE(run.started()) << "no window \"" << kCaption << "\" appeared";
  ASSERT_TRUE(waitForDrawing(run, kModelArea));
  const QRect timeArea = panelControl(IDC_TIME);
  run.sync();
  const QImage front = run.grab(kModelArea);
  middleDrag(run, 300, 200, 340, 350);  // the plate seen from above its front edge
  EXPECT_GT(changedAfterSync(run, kModelArea, front), 2000);
  const QImage startModel = run.grab(kModelArea), startTime = run.grab(timeArea);

  clickPanel(run, IDC_DEFORMED);  // the shape moves too
  clickPanel(run, IDC_PLAY);
  EXPECT_GT(waitForChange(run, kModelArea, startModel, 2000), 2000);  // the plate bends and changes colour
  EXPECT_GT(waitForChange(run, timeArea, startTime, 20), 20);         // the time moves on
  run.savePicture("shakeplay-e2e-playing.png");

  clickPanel(run, IDC_STOP);
  run.sync();
  const QImage stoppedModel = run.grab(kModelArea), stoppedTime = run.grab(timeArea);
  watchStill();
  EXPECT_EQ(differingPixels(stoppedModel, run.grab(kModelArea)), 0);
  EXPECT_EQ(differingPixels(stoppedTime, run.grab(timeArea)), 0);

  clickPanel(run, IDC_RESET);
  EXPECT_EQ(changedAfterSync(run, timeArea, startTime), 0);
  EXPECT_LT(changedAfterSync(run, kModelArea, startModel), 50);

  run.closeWindow();
  EXPECT_EQ(run.finish(), 0);
}

// The largest model the host writes (a million points, two million triangles; four modes),
// one step per sub-frame, in a private folder that goes with the test.
class LargestModel {
 public:
  LargestModel() {
    folder_ = testsupport::shell("mktemp -d");
    const std::string bin = std::getenv("KORVENA_BIN_DIR");
    testsupport::shell(
        bin + "/korvena-host make-result --model synthetic --points 1000000 --modes 4 --steps 40 --out " +
        path());
  }
  ~LargestModel() { testsupport::shell("rm -rf '" + folder_ + "'"); }
  LargestModel(const LargestModel&) = delete;
  LargestModel& operator=(const LargestModel&) = delete;
  std::string path() const { return folder_ + "/synthetic.res"; }

 private:
  std::string folder_;
};

// SPEED "5" ticks as often as the event loop allows, and every tick draws the whole model:
// the user's input still comes through between two ticks.
TEST(ShakeplayEndToEnd, AtSpeedFiveTheLargestModelStillAnswersDragsEscapeAndStop) {
  const LargestModel model;
  ShakeplayRun run({"shakeplay", model.path(), "3"}, "SYNTHETIC 1000000 POINTS", kNoLeakCheckAfterGlx);
  ASSERT_TRUE(run.started()) << "no window for the largest model appeared";
  ASSERT_TRUE(waitForDrawing(run, kModelArea));
  ASSERT_TRUE(waitForDrawing(run, kBoxArea));
  const QRect timeArea = panelControl(IDC_TIME);
  const QImage startTime = run.grab(timeArea);

  clickPanel(run, IDC_PLAY);
  EXPECT_GT(waitForChange(run, timeArea, startTime, 20), 20);  // playing
  const QImage box = run.grab(kBoxArea);
  middleDrag(run, 300, 300, 380, 340);
  EXPECT_GT(changedAfterSync(run, kBoxArea, box), 100);  // turned while playing
  run.savePicture("shakeplay-e2e-largest-playing.png");

  run.xdotool("mousemove --window " + run.window() + " 605 655 click 1");
  run.xdotool("key Escape");
  EXPECT_GT(changedAfterSync(run, kBoxArea, box), 2000);  // the box is gone, the panel shows there

  // Once STOP has been handled, the tick that was under way has ended and no other follows.
  clickPanel(run, IDC_STOP);
  run.sync();
  const QImage stoppedTime = run.grab(timeArea), stoppedModel = run.grab(kModelArea);
  watchStill();
  EXPECT_EQ(differingPixels(stoppedTime, run.grab(timeArea)), 0);
  EXPECT_EQ(differingPixels(stoppedModel, run.grab(kModelArea)), 0);

  run.closeWindow();
  EXPECT_EQ(run.finish(), 0);
}

// A CalculiX .frd file opens in one step: its modes converted in memory into the motion the
// words after the component ask for, under the title given (one word with blanks).
TEST(ShakeplayEndToEnd, AFrdFileOpensOnTheMotionItsOptionsAskFor) {
  const host::test::TempFolder folder;
  const std::string frd = folder.file("bracket.frd").string();
  host::test::writeFile(frd, host::results::test::kBrickFrd);
  ShakeplayRun run({"shakeplay", frd, "3", "--mode", "2", "--title", "Bracket, mode two"},
                   "KORVENA 3.52 : MAGNITUDE - Bracket, mode two", kNoLeakCheckAfterGlx);
  ASSERT_TRUE(run.started()) << "no window for the .frd file appeared";
  ASSERT_TRUE(waitForDrawing(run, kModelArea));
  run.savePicture("shakeplay-e2e-frd.png");
  run.closeWindow();
  EXPECT_EQ(run.finish(), 0);
}

TEST(ShakeplayEndToEnd, MissingResultFileSaysSoAndEndsWithCodeOneBeforeAnyWindow) {
  ShakeplayRun run({"shakeplay", "/nonexistent/plate.res", "2"}, "KORVENA: Dynamic Analysis");
  ASSERT_TRUE(run.started()) << "no message box appeared";
  EXPECT_EQ(testsupport::findWindow("--name 'KORVENA 3.52'", 0), "");
  run.savePicture("shakeplay-e2e-not-found.png");
  run.xdotool("key Return");
  EXPECT_EQ(run.finish(), 1);
}

TEST(ShakeplayEndToEnd, NoOpenGLSaysSoAndEndsWithCodeOne) {
  // A display through which Qt offers no OpenGL at all.
  ShakeplayRun run({"shakeplay", "/nonexistent/plate.res", "2"}, "Korvena Error",
                   {"QT_XCB_GL_INTEGRATION=none"});
  ASSERT_TRUE(run.started()) << "no message box appeared";
  run.savePicture("shakeplay-e2e-no-opengl.png");
  run.xdotool("key Return");
  EXPECT_EQ(run.finish(), 1);
}

TEST(ShakeplayEndToEnd, WithoutAVisibleDisplayTheMessageGoesToStandardErrorAndTheCodeIsOne) {
  const std::string bin = std::getenv("KORVENA_BIN_DIR");
  const std::string out = testsupport::shell("QT_QPA_PLATFORM=offscreen timeout 20 " + bin +
                                             "/shakeplay /nonexistent/plate.res 2 2>&1; echo \"code $?\"");
  EXPECT_NE(out.find("OpenGL is not available (the platform \"offscreen\" shows no OpenGL windows)"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("code 1"), std::string::npos) << out;
}

}  // namespace
}  // namespace shakeplay::test
