#include "loadentry/CLoadEntryApp.h"

#include "loadentry/CLoadBcInputDlg.h"
#include "platform/ui/qt/QtApplication.h"

int CLoadEntryApp::InitInstance(int argc, char** argv) {
  return ui::qt::runApplication(argc, argv, &CLoadEntryApp::CreateMainDialog);
}

std::unique_ptr<ui::Dialog> CLoadEntryApp::CreateMainDialog() {
  return std::make_unique<CLoadBcInputDlg>();
}
