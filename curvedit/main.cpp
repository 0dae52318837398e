#include <memory>

#include "curvedit/CCurveEditDlg.h"
#include "curvedit/CurveditResources.h"
#include "platform/ProgramInfo.h"
#include "platform/ui/qt/QtApplication.h"

int main(int argc, char** argv) {
  if (platform::answerInfoRequest(
          argc, argv, "curvedit",
          platform::toolUsage("curvedit", "/TAG:INFO:SM:KEY1 /TAG:DATA:SM:KEY2",
                              "edits the time or frequency function of a load, point by point"))) {
    return 0;
  }
  curvedit::registerIcon();
  return ui::qt::runApplication(argc, argv, [] { return std::make_unique<CCurveEditDlg>(); });
}
