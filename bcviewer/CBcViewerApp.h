// The application object of bcviewer: the information dialog, run modally on the window system;
// the program ends when it closes.
#pragma once

#include <memory>

#include "platform/ui/Dialog.h"

class CBcViewerApp {
 public:
  // Constructs the information dialog (which copies the block), runs it and destroys it.
  // Returns 0, or 1 without showing a window when no usable copy of the block could be taken.
  int InitInstance(int argc, char** argv);

  // The main dialog, for the application runner; null when it has no copy of the block to show.
  static std::unique_ptr<ui::Dialog> CreateMainDialog();
};
