#include "shakeplay/export/ExportOptions.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "results/frd/FrdOptions.h"

namespace shakeplay::exporting {
namespace {

constexpr const char* kProgram = "shakeplay-export";

// A whole number or a decimal, all of `text`, finite.
std::optional<float> parseNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  float value = 0.0f;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<int> parseSide(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < kMinSide || value > kMaxSide) return std::nullopt;
  return value;
}

std::string lowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

ParsedOptions refuse(const std::string& text) {
  return {std::nullopt, 1, std::string(kProgram) + ": " + text + "\n"};
}

const char* kDescription =
    "shakeplay-export: renders shakeplay's model view with no display, frame by frame as the "
    "animation plays (of a result file, or of the modes of a CalculiX .frd file converted in memory "
    "as korvena-host make-result converts them), into a numbered PNG series (OUT.png gives "
    "OUT-0000.png, OUT-0001.png, ...), an animated GIF (OUT.gif) or an MP4 (OUT.mp4, through the "
    "ffmpeg program); or writes one "
    "frame's deformed surface as a VTK unstructured grid (--vtk FRAME --out OUT.vtu). Frames are "
    "numbered from 0, the animation's first.";

}  // namespace

std::optional<std::pair<int, int>> parseSize(const std::string& text) {
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return std::nullopt;
  const auto width = parseSide(text.substr(0, x));
  const auto height = parseSide(text.substr(x + 1));
  if (!width || !height) return std::nullopt;
  return std::make_pair(*width, *height);
}

std::optional<std::vector<ViewTurn>> parseTurns(const std::string& text) {
  std::vector<ViewTurn> turns;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    const std::size_t comma = std::min(text.find(',', pos), text.size());
    const std::string item = text.substr(pos, comma - pos);
    if (item.size() < 2) return std::nullopt;
    const char axis = static_cast<char>(std::tolower(static_cast<unsigned char>(item[0])));
    if (axis != 'x' && axis != 'y' && axis != 'z') return std::nullopt;
    const auto degrees = parseNumber(item[1] == '+' ? item.substr(2) : item.substr(1));
    if (!degrees) return std::nullopt;
    turns.push_back({axis, *degrees});
    pos = comma + 1;
  }
  return turns;
}

std::optional<OutputKind> outputKindOf(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  const std::size_t slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash) || dot == slash + 1)
    return std::nullopt;
  const std::string extension = lowerCase(path.substr(dot));
  if (extension == ".png") return OutputKind::PngSeries;
  if (extension == ".gif") return OutputKind::Gif;
  if (extension == ".mp4") return OutputKind::Mp4;
  if (extension == ".vtu") return OutputKind::Vtu;
  return std::nullopt;
}

ParsedOptions parseExportOptions(const std::vector<std::string>& words) {
  ExportOptions options;
  std::string size, view;
  int coef = 0, smooth = 0, frames = 0, vtkFrame = 0;
  CLI::App app{kDescription, kProgram};
  app.add_option("FILE", options.resultPath,
                 "the result file, or a CalculiX .frd file, as shakeplay reads it")
      ->required();
  app.add_option("--component", options.component,
                 "0 X, 1 Y, 2 Z, 3 the magnitude of the displacement (default 3)")
      ->check(CLI::Range(0, 3));
  app.add_flag("--deformed", options.deformed, "draw the deformed shape (DEFORMED ticked)");
  auto* coefOption =
      app.add_option("--coef", coef, "COEF entry 1..10: the file's deformation coefficient times N")
          ->check(CLI::Range(1, 10));
  auto* smoothOption =
      app.add_option("--smooth", smooth, "SMOOTH entry 1..6: sub-frames per step as in the control panel")
          ->check(CLI::Range(1, 6));
  app.add_option("--size", size, "the model view's size in pixels, WIDTHxHEIGHT (default 685x550)");
  app.add_option("--view", view, "turns about the screen's axes in degrees, in order, e.g. x30,y-45");
  auto* framesOption =
      app.add_option("--frames", frames, "how many frames (default: one loop of the animation)")
          ->check(CLI::Range(1, kMaxFrames));
  app.add_option("--fps", options.framesPerSecond, "frames per second of a GIF or MP4 (default 25)")
      ->check(CLI::Range(1, 100));
  app.add_flag("--colour-bar", options.colourBar, "draw the colour bar under the model");
  auto* vtkOption =
      app.add_option("--vtk", vtkFrame, "write frame FRAME as a VTK unstructured grid (OUT.vtu)")
          ->check(CLI::NonNegativeNumber);
  // The motion made of a .frd file's modes.
  const std::vector<CLI::Option*> frdOptions = host::results::addFrdAnimationOptions(app, options.frd);
  app.add_option("--out", options.outPath, "the file to write: OUT.png, OUT.gif, OUT.mp4 or OUT.vtu")
      ->required();

  std::vector<std::string> reversed(words.rbegin(), words.rend());
  if (!reversed.empty()) reversed.pop_back();  // the program's own name
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    return {std::nullopt, 0, app.help()};
  } catch (const CLI::ParseError& error) {
    return refuse(error.what());
  }
  for (const CLI::Option* given : frdOptions) {
    if (given->count() > 0 && options.frdOption.empty()) options.frdOption = given->get_name();
  }
  if (coefOption->count() > 0) options.coefEntry = coef;
  if (smoothOption->count() > 0) options.smoothEntry = smooth;
  if (framesOption->count() > 0) options.frames = frames;
  if (vtkOption->count() > 0) options.vtkFrame = vtkFrame;
  if (!size.empty()) {
    const auto sides = parseSize(size);
    if (!sides) {
      return refuse("--size " + size + ": give WIDTHxHEIGHT in pixels, each from " +
                    std::to_string(kMinSide) + " to " + std::to_string(kMaxSide));
    }
    std::tie(options.width, options.height) = *sides;
  }
  if (!view.empty()) {
    const auto turns = parseTurns(view);
    if (!turns)
      return refuse("--view " + view + ": give turns such as x30,y-45 (axis x, y or z, then degrees)");
    options.turns = *turns;
  }
  const auto kind = outputKindOf(options.outPath);
  if (!kind) return refuse("--out " + options.outPath + ": the name must end in .png, .gif, .mp4 or .vtu");
  options.kind = *kind;
  if (options.vtkFrame && options.kind != OutputKind::Vtu)
    return refuse("--vtk writes a .vtu file: give --out FILE.vtu");
  if (!options.vtkFrame && options.kind == OutputKind::Vtu)
    return refuse("a .vtu file holds one frame: give --vtk FRAME");
  return {options, 0, {}};
}

}  // namespace shakeplay::exporting
