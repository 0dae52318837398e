#include "shakeplay/qt/ShakeplayApp.h"

int main(int argc, char** argv) {
  CShakeplayApp app;
  return app.InitInstance(argc, argv);
}
