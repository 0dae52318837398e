// curveplot: a result curve on a linear value axis.
#include "curveplot/CCurvePlotApp.h"
#include "curveplot/CCurvePlotDlg.h"
#include "curveplot/CurvePlotResources.h"

int main(int argc, char** argv) {
  curveplot::registerIcon();
  CCurvePlotApp app([] { return std::make_unique<CCurvePlotDlg>(); });
  return app.InitInstance(argc, argv);
}
