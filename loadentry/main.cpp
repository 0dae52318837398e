#include "loadentry/CLoadEntryApp.h"

int main(int argc, char** argv) {
  CLoadEntryApp app;
  return app.InitInstance(argc, argv);
}
