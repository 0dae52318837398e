#include <memory>

#include "loadentry/CLoadBcInputDlg.h"
#include "loadentry/LoadEntryResources.h"
#include "platform/ProgramInfo.h"
#include "platform/ui/qt/QtApplication.h"

int main(int argc, char** argv) {
  if (platform::answerInfoRequest(
          argc, argv, "loadentry",
          platform::toolUsage("loadentry", "/SHMKEY:KEY", "enters one load or boundary condition"))) {
    return 0;
  }
  loadentry::registerIcon();
  return ui::qt::runApplication(argc, argv, [] { return std::make_unique<CLoadBcInputDlg>(); });
}
