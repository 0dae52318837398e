#include "curvedit/CCurveditApp.h"

int main(int argc, char** argv) {
  CCurveditApp app;
  return app.InitInstance(argc, argv);
}
