// The application object of curveplot and curveplotb: the plot window, run modally on the
// window system; the program ends when it closes.
#pragma once

#include <functional>
#include <memory>

class CCurvePlotBase;

class CCurvePlotApp {
 public:
  using MakeDialog = std::function<std::unique_ptr<CCurvePlotBase>()>;

  explicit CCurvePlotApp(MakeDialog makeDialog) : makeDialog_(std::move(makeDialog)) {}

  // Constructs the plot window (which reads and lets go of the blocks), runs it and destroys
  // it. Returns the exit code: 1 when the blocks could not be read, else 0.
  int InitInstance(int argc, char** argv);

 private:
  MakeDialog makeDialog_;
};
