#include "bcviewer/CBcViewerApp.h"

#include "bcviewer/CLoadBcInfoDlg.h"
#include "platform/ui/qt/QtApplication.h"

int CBcViewerApp::InitInstance(int argc, char** argv) {
  return ui::qt::runApplication(argc, argv, &CBcViewerApp::CreateMainDialog);
}

std::unique_ptr<ui::Dialog> CBcViewerApp::CreateMainDialog() {
  auto dialog = std::make_unique<CLoadBcInfoDlg>();
  if (!dialog->hasSnapshot()) return nullptr;
  return dialog;
}
