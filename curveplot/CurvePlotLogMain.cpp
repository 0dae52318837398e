// curveplotb: a result curve on a logarithmic value axis of whole decades.
#include "curveplot/CCurvePlotApp.h"
#include "curveplot/CCurvePlotLogDlg.h"
#include "curveplot/CurvePlotResources.h"
#include "platform/ProgramInfo.h"

int main(int argc, char** argv) {
  if (platform::answerInfoRequest(
          argc, argv, "curveplotb",
          platform::toolUsage("curveplotb", "/TAG:INFO:SM:KEY1 /TAG:LINE:SM:KEY2",
                              "plots one result curve on a logarithmic value axis"))) {
    return 0;
  }
  curveplot::registerIcon();
  CCurvePlotApp app([] { return std::make_unique<CCurvePlotLogDlg>(); });
  return app.InitInstance(argc, argv);
}
