#include <memory>

#include "convset/CConvergenceDlg.h"
#include "convset/ConvSetResources.h"
#include "platform/ProgramInfo.h"
#include "platform/ui/qt/QtApplication.h"

int main(int argc, char** argv) {
  if (platform::answerInfoRequest(
          argc, argv, "convset",
          platform::toolUsage("convset", "/SHMKEY:KEY",
                              "sets the convergence criteria of the adaptive solution"))) {
    return 0;
  }
  convset::registerIcon();
  return ui::qt::runApplication(argc, argv, [] { return std::make_unique<CConvergenceDlg>(); });
}
