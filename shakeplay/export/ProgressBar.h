// A progress bar on the terminal for exports that take a while: one line, redrawn in place.
#pragma once

#include <cstdio>
#include <string>

namespace shakeplay::exporting {

// "[#########...........]  45%  90/200 frames" with `width` cells in the brackets.
std::string progressLine(int done, int total, int width);

class ProgressBar {
 public:
  // Draws on `stream` only when it is a terminal.
  ProgressBar(std::FILE* stream, int total);
  // Redraws when the line would change.
  void advance(int done);
  // Ends the line (when one was drawn).
  void finish();

 private:
  std::FILE* stream_;
  int total_;
  bool shown_;
  std::string last_;
};

}  // namespace shakeplay::exporting
