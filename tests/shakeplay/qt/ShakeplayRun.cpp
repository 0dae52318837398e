#include "tests/shakeplay/qt/ShakeplayRun.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <thread>

#include "tests/support/HostedTool.h"
#include "tests/support/Pictures.h"
#include "tests/support/WindowMessages.h"

extern char** environ;

namespace shakeplay::test {
namespace {

std::string binFolder() {
  const char* folder = std::getenv("KORVENA_BIN_DIR");
  return folder != nullptr ? folder : ".";
}

// waitpid with a time limit; the status, or nothing when the process still runs.
bool waitFor(pid_t pid, int& status, std::chrono::seconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (waitpid(pid, &status, WNOHANG) == pid) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

}  // namespace

ShakeplayRun::ShakeplayRun(const std::vector<std::string>& words, const std::string& caption,
                           const std::vector<std::string>& environment) {
  std::vector<std::string> arguments = words;
  arguments.at(0) = binFolder() + "/" + arguments.at(0);
  std::vector<char*> argv;
  for (std::string& word : arguments) argv.push_back(word.data());
  argv.push_back(nullptr);
  // The given variables first, in place of the test's own of the same names.
  std::vector<std::string> variables = environment;
  std::vector<char*> envp;
  for (std::string& variable : variables) envp.push_back(variable.data());
  for (char** variable = environ; *variable != nullptr; ++variable) {
    const std::string_view inherited(*variable);
    const bool replaced = std::any_of(environment.begin(), environment.end(), [&](const std::string& given) {
      return given.substr(0, given.find('=') + 1) == inherited.substr(0, inherited.find('=') + 1);
    });
    if (!replaced) envp.push_back(*variable);
  }
  envp.push_back(nullptr);
  if (posix_spawn(&pid_, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0) pid_ = -1;
  window_ = testsupport::findWindow("--name '" + caption + "'", 20);
}

ShakeplayRun::~ShakeplayRun() {
  if (pid_ <= 0) return;
  closeWindow();
  int status = 0;
  if (waitFor(pid_, status, std::chrono::seconds(10))) return;
  // The host passes SIGTERM on to the tool and cleans up after it; SIGKILL is the last resort.
  kill(pid_, SIGTERM);
  if (waitFor(pid_, status, std::chrono::seconds(10))) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, &status, 0);
}

void ShakeplayRun::xdotool(const std::string& arguments) const {
  ASSERT_EQ(std::system(("xdotool " + arguments).c_str()), 0) << arguments;
}

QRect ShakeplayRun::clientArea() const {
  int x = 0, y = 0, width = 0, height = 0;
  const std::string geometry = testsupport::shell("xdotool getwindowgeometry --shell " + window_);
  if (std::sscanf(geometry.c_str(), "WINDOW=%*d X=%d Y=%d WIDTH=%d HEIGHT=%d", &x, &y, &width, &height) !=
      4) {
    ADD_FAILURE() << "no geometry: " << geometry;
  }
  return {x, y, width, height};
}

QImage ShakeplayRun::grab(const QRect& area) const {
  const QRect client = clientArea();
  return QGuiApplication::primaryScreen()
      ->grabWindow(0, client.x() + area.x(), client.y() + area.y(), area.width(), area.height())
      .toImage();
}

void ShakeplayRun::savePicture(const std::string& name) const {
  const QRect client = clientArea();
  EXPECT_TRUE(grab({0, 0, client.width(), client.height()})
                  .save(QString::fromStdString(testsupport::picturePath(name))));
}

void ShakeplayRun::closeWindow() const {
  if (!window_.empty()) testsupport::askWindowToClose(std::stoul(window_));
}

void ShakeplayRun::sync() const {
  ASSERT_TRUE(testsupport::waitUntilWindowIdle(std::stoul(window_)))
      << "shakeplay did not answer within a minute";
}

int ShakeplayRun::finish() {
  int status = 0;
  const bool ended = waitFor(pid_, status, std::chrono::seconds(20));
  if (!ended) return -1;
  pid_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int differingPixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return a.width() * a.height();
  int count = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
  }
  return count;
}

}  // namespace shakeplay::test
