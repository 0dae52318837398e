#include "convset/CConvSetApp.h"

int main(int argc, char** argv) {
  CConvSetApp app;
  return app.InitInstance(argc, argv);
}
