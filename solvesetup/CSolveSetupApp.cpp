#include "solvesetup/CSolveSetupApp.h"

#include "platform/ui/qt/QtApplication.h"
#include "solvesetup/CSettingsDlg.h"

int CSolveSetupApp::InitInstance(int argc, char** argv) {
  return ui::qt::runApplication(argc, argv, &CSolveSetupApp::CreateMainDialog);
}

std::unique_ptr<ui::Dialog> CSolveSetupApp::CreateMainDialog() {
  return std::make_unique<CSettingsDlg>();
}
