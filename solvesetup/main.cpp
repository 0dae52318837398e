#include <memory>

#include "platform/ui/qt/QtApplication.h"
#include "solvesetup/CSettingsDlg.h"
#include "solvesetup/SolveSetupResources.h"

int main(int argc, char** argv) {
  solvesetup::registerIcon();
  return ui::qt::runApplication(argc, argv, [] { return std::make_unique<CSettingsDlg>(); });
}
