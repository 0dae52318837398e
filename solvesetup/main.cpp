#include <memory>

#include "platform/ProgramInfo.h"
#include "platform/ui/qt/QtApplication.h"
#include "solvesetup/CSettingsDlg.h"
#include "solvesetup/SolveSetupResources.h"

int main(int argc, char** argv) {
  if (platform::answerInfoRequest(argc, argv, "solvesetup",
                                  platform::toolUsage("solvesetup", "/TAG:DATA:SM:KEY",
                                                      "sets up a dynamic analysis: the sampling time or "
                                                      "frequency range, the step density and the damping"))) {
    return 0;
  }
  solvesetup::registerIcon();
  return ui::qt::runApplication(argc, argv, [] { return std::make_unique<CSettingsDlg>(); });
}
