#include "platform/ProgramInfo.h"
#include "shakeplay/qt/ShakeplayApp.h"

namespace {

constexpr char kUsage[] =
    "Usage: shakeplay RESULT-FILE COMPONENT\n"
    "       shakeplay FILE.frd COMPONENT [--mode K | --impulse [--damping Z] [--amplitudes A1,...]]\n"
    "                [--periods P] [--steps N] [--feature-angle DEG] [--title TEXT]\n"
    "       shakeplay --help | --version\n"
    "\n"
    "shakeplay animates the mode-shape results of a dynamic analysis in an OpenGL window.\n"
    "COMPONENT colours the model by the displacement: 0 X, 1 Y, 2 Z, 3 its magnitude.\n"
    "A CalculiX .frd file is turned into a result in memory: mode K swinging alone\n"
    "(default 1), or all modes ringing down after an impulse.\n"
    "The control panel plays, stops and rewinds the animation; in the model view the left\n"
    "button drags a zoom, the middle button turns the model and the right button pans it.\n"
    "Without a result file at hand: korvena-host demo shakeplay. See shakeplay(1).\n";

}  // namespace

int main(int argc, char** argv) {
  if (platform::answerInfoRequest(argc, argv, "shakeplay", kUsage)) return 0;
  CShakeplayApp app;
  return app.InitInstance(argc, argv);
}
