#include "bcviewer/BcViewerResources.h"
#include "bcviewer/CBcViewerApp.h"

int main(int argc, char** argv) {
  bcviewer::registerIcon();
  CBcViewerApp app;
  return app.InitInstance(argc, argv);
}
