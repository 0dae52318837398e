#include "curveplot/CCurvePlotApp.h"

#include "curveplot/CCurvePlotBase.h"
#include "platform/ui/qt/QtApplication.h"

int CCurvePlotApp::InitInstance(int argc, char** argv) {
  bool failed = false;
  ui::qt::runApplication(argc, argv, [this, &failed]() -> std::unique_ptr<ui::Dialog> {
    std::unique_ptr<CCurvePlotBase> dialog = makeDialog_();
    failed = dialog->attachFailed();
    return dialog;
  });
  return failed ? 1 : 0;
}
