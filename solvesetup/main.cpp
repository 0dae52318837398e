#include <memory>

#include "platform/ProgramInfo.h"
#include "platform/ui/qt/QtApplication.h"
#include "solvesetup/CSettingsDlg.h"
#include "solvesetup/SolveSetupResources.h"

int main(int argc, char** argv) {
  if (platform::answerInfoRequest(
          argc, argv, "solvesetup",
          platform::toolUsage("solvesetup", "/TAG:DATA:SM:KEY",
                              "sets up a dynamic analysis: sampling range, step density, damping"))) {
    return 0;
  }
  solvesetup::registerIcon();
  return ui::qt::runApplication(argc, argv, [] { return std::make_unique<CSettingsDlg>(); });
}
