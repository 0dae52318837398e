#include "tests/support/HostedTool.h"

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "platform/ui/DialogUnits.h"
#include "platform/ui/qt/QtFonts.h"
#include "tests/support/Pictures.h"

extern char** environ;

namespace testsupport {
namespace {

namespace fs = std::filesystem;

fs::path binFolder() {
  const char* folder = std::getenv("KORVENA_BIN_DIR");
  return folder ? fs::path(folder) : fs::current_path();
}

}  // namespace

std::string shell(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
  pclose(pipe);
  while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
  return output;
}

HostedTool::HostedTool(const std::string& tool, const std::string& inputJson,
                       const std::string& windowTitle, WindowMatch match)
    : folder_(fs::temp_directory_path() / (tool + "-e2e-" + std::to_string(getpid()))),
      windowSearch_(std::string(match == WindowMatch::Title ? "--name '" : "--class '") +
                    windowTitle + "'") {
  fs::create_directories(folder_);
  std::ofstream(folder_ / "in.json") << inputJson;
  const std::string host = (binFolder() / "korvena-host").string();
  std::vector<std::string> words = {host,   "run", tool, "--in", (folder_ / "in.json").string(),
                                    "--out", (folder_ / "out.json").string()};
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  if (posix_spawn(&pid_, host.c_str(), nullptr, nullptr, argv.data(), environ) != 0) pid_ = -1;
  window_ = shell("timeout 20 xdotool search --sync --onlyvisible " + windowSearch_ +
                  " | head -n 1");
}

HostedTool::~HostedTool() {
  if (pid_ > 0) {
    shell("xdotool search --onlyvisible " + windowSearch_ + " key --window %@ Escape 2>/dev/null");
    waitpid(pid_, nullptr, 0);
  }
  fs::remove_all(folder_);
}

void HostedTool::xdotool(const std::string& arguments) const {
  ASSERT_EQ(std::system(("xdotool " + arguments).c_str()), 0) << arguments;
}

void HostedTool::clickControl(const ui::DialogTemplate& dialog, int id) const {
  const ui::BaseUnits base =
      ui::qt::baseUnitsOf(ui::qt::dialogFont(dialog.fontFace, dialog.pointSize));
  for (const ui::ControlTemplate& control : dialog.controls) {
    if (control.id != id) continue;
    const ui::Rect r = ui::dialogToPixels(control.rect, base);
    xdotool("windowfocus --sync " + window_);
    xdotool("mousemove --sync --window " + window_ + " " + std::to_string(r.x + r.cx / 2) + " " +
            std::to_string(r.y + r.cy / 2) + " click 1");
    return;
  }
  ADD_FAILURE() << "no control " << id << " in dialog " << dialog.id;
}

void HostedTool::savePicture(const std::string& name) const {
  int x = 0, y = 0, width = 0, height = 0;
  const std::string geometry = shell("xdotool getwindowgeometry --shell " + window_);
  ASSERT_EQ(std::sscanf(geometry.c_str(), "WINDOW=%*d X=%d Y=%d WIDTH=%d HEIGHT=%d", &x, &y,
                        &width, &height),
            4)
      << geometry;
  const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0, x, y, width, height);
  EXPECT_TRUE(screen.save(QString::fromStdString(picturePath(name))));
}

nlohmann::json HostedTool::finish(int hostExitCode) {
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == hostExitCode) << "host status " << status;
  std::ifstream in(folder_ / "out.json");
  return nlohmann::json::parse(in, nullptr, false);
}

}  // namespace testsupport
