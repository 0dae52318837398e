#include "bcviewer/CBcViewerApp.h"

int main(int argc, char** argv) {
  CBcViewerApp app;
  return app.InitInstance(argc, argv);
}
