// The application object of solvesetup: runs the settings dialog modally, then the program ends.
#pragma once

class CSolveSetupApp {
 public:
  // Constructs the settings dialog (which attaches the block), runs it and destroys it. Returns
  // false: there is nothing more to run.
  bool InitInstance();
};
