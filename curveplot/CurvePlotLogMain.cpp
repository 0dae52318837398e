// curveplotb: a result curve on a logarithmic value axis of whole decades.
#include "curveplot/CCurvePlotApp.h"
#include "curveplot/CCurvePlotLogDlg.h"
#include "curveplot/CurvePlotResources.h"

int main(int argc, char** argv) {
  curveplot::registerIcon();
  CCurvePlotApp app([] { return std::make_unique<CCurvePlotLogDlg>(); });
  return app.InitInstance(argc, argv);
}
