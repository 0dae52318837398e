#include "bcviewer/BcViewerResources.h"
#include "bcviewer/CBcViewerApp.h"
#include "platform/ProgramInfo.h"

int main(int argc, char** argv) {
  if (platform::answerInfoRequest(argc, argv, "bcviewer",
                                  platform::toolUsage("bcviewer", "/SHMKEY:KEY",
                                                      "shows one load or boundary condition, read-only"))) {
    return 0;
  }
  bcviewer::registerIcon();
  CBcViewerApp app;
  return app.InitInstance(argc, argv);
}
