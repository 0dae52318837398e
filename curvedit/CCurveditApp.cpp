#include "curvedit/CCurveditApp.h"

#include "curvedit/CCurveEditDlg.h"
#include "platform/ui/qt/QtApplication.h"

int CCurveditApp::InitInstance(int argc, char** argv) {
  return ui::qt::runApplication(argc, argv, &CCurveditApp::CreateMainDialog);
}

std::unique_ptr<ui::Dialog> CCurveditApp::CreateMainDialog() {
  return std::make_unique<CCurveEditDlg>();
}
