// shakeplay-export: shakeplay's model view rendered with no display into animation files.
#include <QGuiApplication>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>

#include "platform/ProgramInfo.h"
#include "shakeplay/export/ExportOptions.h"
#include "shakeplay/export/ExportRun.h"

int main(int argc, char** argv) {
  if (platform::answerInfoRequest(argc, argv, "shakeplay-export", "")) return 0;
  const std::vector<std::string> words(argv, argv + argc);
  const shakeplay::exporting::ParsedOptions parsed = shakeplay::exporting::parseExportOptions(words);
  if (!parsed.options) {
    std::fputs(parsed.message.c_str(), parsed.exitCode == 0 ? stdout : stderr);
    return parsed.exitCode;
  }
  // The colour bar's labels take their glyphs from Qt's fonts: a GUI application with no
  // display, nothing shown.
  std::optional<QGuiApplication> glyphs;
  if (parsed.options->colourBar) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    glyphs.emplace(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // Qt took the user's locale: the labels keep their points
  }
  try {
    return shakeplay::exporting::runExport(*parsed.options);
  } catch (const std::exception& error) {
    // Nothing may end the program without a word.
    std::fprintf(stderr, "shakeplay-export: %s\n", error.what());
    return 1;
  }
}
