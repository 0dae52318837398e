// The application object of shakeplay: start-up in the program's order (OpenGL, document, main
// window), then the event loop until the main window closes.
#pragma once

class CShakeplayApp {
 public:
  // The exit code of the process: 0 after the main window closed, 1 when there is no OpenGL or
  // the result file cannot be read.
  int InitInstance(int argc, char** argv);
};
