// curveplot: a result curve on a linear value axis.
#include "curveplot/CCurvePlotApp.h"
#include "curveplot/CCurvePlotDlg.h"

int main(int argc, char** argv) {
  CCurvePlotApp app([] { return std::make_unique<CCurvePlotDlg>(); });
  return app.InitInstance(argc, argv);
}
