#include "solvesetup/CSolveSetupApp.h"

#include <memory>

#include "platform/ui/ModalRun.h"
#include "solvesetup/CSettingsDlg.h"

bool CSolveSetupApp::InitInstance() {
  ui::runMainDialog([] { return std::make_unique<CSettingsDlg>(); });
  return false;
}
