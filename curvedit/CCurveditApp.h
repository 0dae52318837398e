// The application object of curvedit: the function editing dialog, run modally on the window
// system; the program ends when it closes.
#pragma once

#include <memory>

#include "platform/ui/Dialog.h"

class CCurveditApp {
 public:
  // Constructs the editing dialog (which attaches the blocks), runs it and destroys it. Returns
  // the exit code of the process, which carries no meaning: the host reads `status`.
  int InitInstance(int argc, char** argv);

  // The main dialog, for the application runner.
  static std::unique_ptr<ui::Dialog> CreateMainDialog();
};
