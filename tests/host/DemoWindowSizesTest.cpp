// Every dialog tool's demo as the host starts it, under the test's X server with no window
// manager: the window's client area in pixels is its size in dialog units at the template font's
// base units, 6 x 13 pixels per 4 x 8 units (x * 6 / 4, y * 13 / 8, halves rounded up). Without
// the template fonts the tools still run, laid out in the stand-in font.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "host/layouts/Layouts.h"
#include "tests/support/HostedTool.h"

namespace host::test {
namespace {

using testsupport::HostedTool;

struct DemoWindow {
  const char* tool;
  const char* window;  // its title, or its class when the title is empty
  HostedTool::WindowMatch match;
  int width, height;  // worked out by hand below
};

// A window that a tool resizes (SetDialogSize) is given its outer size: the frame and caption of
// a dialog (6 x 25 pixels) come off it.
const DemoWindow kDemoWindows[] = {
    {"solvesetup", "^SETTINGS input$", HostedTool::WindowMatch::Title, 308, 190},  // 205 x 117: 307.5, 190.1
    {"curvedit", "^curvedit$", HostedTool::WindowMatch::Class, 555, 531},          // 370 x 327: 555, 531.4
    {"convset", "^CONVERGENCE data$", HostedTool::WindowMatch::Title, 342,
     341},  // no frequency row, 232 x 225: 348 - 6, 365.6 - 25
    {"loadentry", "^Load/BC input$", HostedTool::WindowMatch::Title, 534,
     211},  // three points, 356 x 130: 534, 211.3
    {"bcviewer", "^Load/BC info$", HostedTool::WindowMatch::Title, 401,
     164},  // two points, 271 x 116: 406.5 - 6, 188.5 - 25
    {"curveplot", "^curveplot$", HostedTool::WindowMatch::Class, 429, 377},  // 286 x 232: 429, 377
    {"curveplotb", "^curveplotb$", HostedTool::WindowMatch::Class, 429, 377},
};

QSize demoWindowSize(const DemoWindow& demo) {
  HostedTool run(demo.tool, findLayout(demo.tool)->demoValues, demo.window, demo.match);
  EXPECT_TRUE(run.started()) << "no window of " << demo.tool;
  if (!run.started()) return {};
  run.sync();
  return run.clientArea().size();
}

TEST(DemoWindowSizes, EveryDialogHasItsTemplatesSizeInTheTemplateFont) {
  for (const DemoWindow& demo : kDemoWindows) {
    EXPECT_EQ(demoWindowSize(demo), QSize(demo.width, demo.height)) << demo.tool;
  }
}

// With no template font to be found, the stand-in lays the dialog out: DejaVu Sans at 11 pixels,
// 7 x 13 pixels per 4 x 8 units (205 x 7 / 4 = 358.75).
TEST(DemoWindowSizes, WithoutTheTemplateFontsTheStandInLaysTheDialogOut) {
  const std::filesystem::path nowhere = std::filesystem::temp_directory_path() / "korvena-no-fonts";
  std::filesystem::create_directories(nowhere);
  ::setenv("XDG_DATA_DIRS", nowhere.c_str(), 1);  // where the tool looks for the font files
  const QSize size = demoWindowSize(kDemoWindows[0]);
  ::unsetenv("XDG_DATA_DIRS");
  EXPECT_EQ(size, QSize(359, 190));
}

}  // namespace
}  // namespace host::test
