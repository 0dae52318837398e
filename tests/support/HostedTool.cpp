#include "tests/support/HostedTool.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "platform/ui/DialogUnits.h"
#include "platform/ui/qt/QtFonts.h"
#include "tests/support/Pictures.h"
#include "tests/support/WindowMessages.h"

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

std::string findWindow(const std::string& criteria, double seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  for (;;) {
    const std::string found = shell("xdotool search " + criteria + " 2>/dev/null | head -n 1");
    if (!found.empty() || std::chrono::steady_clock::now() >= end) return found;
    usleep(100000);
  }
}

HostedTool::HostedTool(const std::string& tool, const std::string& inputJson, const std::string& windowTitle,
                       WindowMatch match)
    : folder_(fs::temp_directory_path() / (tool + "-e2e-" + std::to_string(getpid()))),
      windowSearch_(std::string(match == WindowMatch::Title ? "--name '" : "--class '") + windowTitle + "'") {
  fs::create_directories(folder_);
  std::ofstream(folder_ / "in.json") << inputJson;
  const std::string host = (binFolder() / "korvena-host").string();
  std::vector<std::string> words = {
      host, "run", tool, "--in", (folder_ / "in.json").string(), "--out", (folder_ / "out.json").string()};
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  if (posix_spawn(&pid_, host.c_str(), nullptr, nullptr, argv.data(), environ) != 0) pid_ = -1;
  window_ = findWindow("--onlyvisible " + windowSearch_, 20);
}

HostedTool::~HostedTool() {
  if (pid_ > 0) {
    int status = 0;
    stopHost(&status);
  }
  fs::remove_all(folder_);
}

// The host passes the signal on to its tool and ends once the tool has. (An Escape sent to the
// window instead can reach the next tool started under the same server.)
void HostedTool::stopHost(int* status) {
  kill(pid_, SIGTERM);
  waitpid(pid_, status, 0);
  pid_ = -1;
}

void HostedTool::xdotool(const std::string& arguments) const {
  ASSERT_EQ(std::system(("xdotool " + arguments).c_str()), 0) << arguments;
}

void HostedTool::sync() const {
  ASSERT_TRUE(waitUntilWindowIdle(std::stoul(window_))) << "the tool did not answer within a minute";
}

std::string HostedTool::middleOf(const ui::DialogTemplate& dialog, int id) const {
  const ui::BaseUnits base = ui::qt::baseUnitsOf(ui::qt::dialogFont(dialog.fontFace, dialog.pointSize));
  for (const ui::ControlTemplate& control : dialog.controls) {
    if (control.id != id) continue;
    const ui::Rect r = ui::dialogToPixels(control.rect, base);
    return std::to_string(r.x + r.cx / 2) + " " + std::to_string(r.y + r.cy / 2);
  }
  ADD_FAILURE() << "no control " << id << " in dialog " << dialog.id;
  return {};
}

void HostedTool::clickControl(const ui::DialogTemplate& dialog, int id) const {
  const std::string middle = middleOf(dialog, id);
  if (middle.empty()) return;
  xdotool("windowfocus --sync " + window_);
  xdotool("mousemove --window " + window_ + " " + middle + " click 1");
}

void HostedTool::holdClickControl(const ui::DialogTemplate& dialog, int id) const {
  const std::string middle = middleOf(dialog, id);
  if (middle.empty()) return;
  xdotool("mousemove --window " + window_ + " " + middle + " mousedown 1 sleep 0.05 mouseup 1");
}

std::string HostedTool::waitForWindow(const std::string& title) {
  return findWindow("--name '^" + title + "$'", 10);
}

void HostedTool::closeWithKey(const std::string& title, const std::string& key) const {
  const std::string shown = waitForWindow(title);
  ASSERT_FALSE(shown.empty()) << "no window \"" << title << "\"";
  xdotool("windowfocus --sync " + shown + " key " + key);
  for (int tries = 0; tries < 200; ++tries) {
    if (findWindow("--name '^" + title + "$'", 0).empty()) return;
    usleep(50000);
  }
  ADD_FAILURE() << "\"" << title << "\" is still open after " << key;
}

QRect HostedTool::clientArea() const {
  int x = 0, y = 0, width = 0, height = 0;
  const std::string geometry = shell("xdotool getwindowgeometry --shell " + window_);
  if (std::sscanf(geometry.c_str(), "WINDOW=%*d X=%d Y=%d WIDTH=%d HEIGHT=%d", &x, &y, &width, &height) !=
      4) {
    ADD_FAILURE() << "no geometry: " << geometry;
  }
  return {x, y, width, height};
}

void HostedTool::savePicture(const std::string& name) const {
  const QRect area = clientArea();
  const QPixmap screen =
      QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
  EXPECT_TRUE(screen.save(QString::fromStdString(picturePath(name))));
}

bool HostedTool::waitForHost(int seconds, int* status) {
  for (int tries = 0; tries < seconds * 20; ++tries) {
    if (waitpid(pid_, status, WNOHANG) == pid_) return true;
    usleep(50000);
  }
  return false;
}

nlohmann::json HostedTool::finish(int hostExitCode) {
  int status = 0;
  if (waitForHost(10, &status)) {
    pid_ = -1;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == hostExitCode) << "host status " << status;
  } else {
    ADD_FAILURE() << "the tool is still running";
    stopHost(&status);
  }
  std::ifstream in(folder_ / "out.json");
  return nlohmann::json::parse(in, nullptr, false);
}

}  // namespace testsupport
