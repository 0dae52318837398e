// What shakeplay-export is asked to do: the result file (or a CalculiX .frd file and the motion
// to make of its modes), the model view's settings as the control panel and the mouse would set
// them, and the file(s) to write.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "results/frd/FrdResultModel.h"

namespace shakeplay::exporting {

// A turn of the model about one of the screen's axes, as a middle-button drag turns it.
struct ViewTurn {
  char axis = 'x';  // 'x' to the right, 'y' up, 'z' out of the screen
  float degrees = 0.0f;
};

enum class OutputKind { PngSeries, Gif, Mp4, Vtu };

struct ExportOptions {
  std::string resultPath;
  int component = 3;               // 0 X, 1 Y, 2 Z, 3 magnitude
  bool deformed = false;           // DEFORMED ticked
  std::optional<int> coefEntry;    // COEF list entry 1..10; none: as loaded
  std::optional<int> smoothEntry;  // SMOOTH list entry 1..6; none: as loaded
  int width = 685, height = 550;   // the model view's own size
  std::vector<ViewTurn> turns;
  std::optional<int> frames;  // none: one loop of the animation
  int framesPerSecond = 25;
  bool colourBar = false;
  std::optional<int> vtkFrame;
  std::string outPath;
  OutputKind kind = OutputKind::PngSeries;
  // The motion made of a .frd file's modes, and one of its options given (e.g. "--mode"; empty:
  // none), to name when the file is no .frd file.
  host::results::FrdAnimation frd;
  std::string frdOption;
};

// The options, or the text to print and the exit code (0 for --help, 1 for anything refused).
struct ParsedOptions {
  std::optional<ExportOptions> options;
  int exitCode = 0;
  std::string message;
};
ParsedOptions parseExportOptions(const std::vector<std::string>& words);

// "800x600" with both sides 16 .. 8192.
std::optional<std::pair<int, int>> parseSize(const std::string& text);
// "x30,y-12.5,z90": turns applied in that order; none for a malformed list.
std::optional<std::vector<ViewTurn>> parseTurns(const std::string& text);
// From the output's extension (.png, .gif, .mp4, .vtu, any case); none for another.
std::optional<OutputKind> outputKindOf(const std::string& path);

inline constexpr int kMinSide = 16, kMaxSide = 8192;
inline constexpr int kMaxFrames = 100000;

}  // namespace shakeplay::exporting
