// The application object of loadentry: the input dialog, run modally on the window system; the
// program ends when it closes.
#pragma once

#include <memory>

#include "platform/ui/Dialog.h"

class CLoadEntryApp {
 public:
  // Constructs the input dialog (which attaches the block), runs it and destroys it. Returns the
  // exit code of the process, which carries no meaning: the host reads `status`.
  int InitInstance(int argc, char** argv);

  // The main dialog, for the application runner.
  static std::unique_ptr<ui::Dialog> CreateMainDialog();
};
