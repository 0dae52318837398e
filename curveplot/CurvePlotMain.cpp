// curveplot: a result curve on a linear value axis.
#include "curveplot/CCurvePlotApp.h"
#include "curveplot/CCurvePlotDlg.h"
#include "curveplot/CurvePlotResources.h"
#include "platform/ProgramInfo.h"

int main(int argc, char** argv) {
  if (platform::answerInfoRequest(argc, argv, "curveplot",
                                  platform::toolUsage("curveplot", "/TAG:INFO:SM:KEY1 /TAG:LINE:SM:KEY2",
                                                      "plots one result curve on a linear value axis"))) {
    return 0;
  }
  curveplot::registerIcon();
  CCurvePlotApp app([] { return std::make_unique<CCurvePlotDlg>(); });
  return app.InitInstance(argc, argv);
}
