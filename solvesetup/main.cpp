#include "solvesetup/CSolveSetupApp.h"

int main(int argc, char** argv) {
  CSolveSetupApp app;
  return app.InitInstance(argc, argv);
}
