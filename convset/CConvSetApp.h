// The application object of convset: the convergence dialog, run modally on the window system;
// the program ends when it closes.
#pragma once

#include <memory>

#include "platform/ui/Dialog.h"

class CConvSetApp {
 public:
  // Constructs the convergence dialog (which attaches the block), runs it and destroys it.
  // Returns the exit code of the process, which carries no meaning: the host reads
  // `mainSelected`.
  int InitInstance(int argc, char** argv);

  // The main dialog, for the application runner.
  static std::unique_ptr<ui::Dialog> CreateMainDialog();
};
