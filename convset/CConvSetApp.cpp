#include "convset/CConvSetApp.h"

#include "convset/CConvergenceDlg.h"
#include "platform/ui/qt/QtApplication.h"

int CConvSetApp::InitInstance(int argc, char** argv) {
  return ui::qt::runApplication(argc, argv, &CConvSetApp::CreateMainDialog);
}

std::unique_ptr<ui::Dialog> CConvSetApp::CreateMainDialog() {
  return std::make_unique<CConvergenceDlg>();
}
