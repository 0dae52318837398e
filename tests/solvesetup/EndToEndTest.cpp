// solvesetup as the host runs it: korvena-host creates a real block and starts the real tool
// under the X server of the test; xdotool drives the window as a user would; the test reads the
// JSON the host writes after the tool has ended. A picture of the screen is saved in the build
// folder on the way.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "platform/ui/DialogUnits.h"
#include "platform/ui/qt/QtFonts.h"
#include "solvesetup/SolveSetupResources.h"
#include "tests/support/Pictures.h"

extern char** environ;

namespace solvesetup::test {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

fs::path binFolder() {
  const char* folder = std::getenv("KORVENA_BIN_DIR");
  return folder ? fs::path(folder) : fs::current_path();
}

// Runs a shell command; its standard output without the trailing line break.
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

// The host started on a time-domain analysis, with the window of solvesetup found.
class HostRun {
 public:
  HostRun() : folder_(fs::temp_directory_path() / ("solvesetup-e2e-" + std::to_string(getpid()))) {
    fs::create_directories(folder_);
    std::ofstream(folder_ / "in.json") << R"({"DATA": {"analysisMode": 1, "samplingUnit": 1,
        "densityLevel": 0, "freqMin": 0.0, "freqMax": 0.002, "dampingKind": 2,
        "dampingA": 3.5, "dampingB": 0.0, "accepted": 0}})";
    const std::string host = (binFolder() / "korvena-host").string();
    const std::string in = (folder_ / "in.json").string();
    const std::string out = (folder_ / "out.json").string();
    std::vector<std::string> words = {host, "run", "solvesetup", "--in", in, "--out", out};
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, host.c_str(), nullptr, nullptr, argv.data(), environ) != 0) pid_ = -1;
    window_ = shell("timeout 20 xdotool search --sync --name 'SETTINGS input' | head -n 1");
  }
  ~HostRun() {
    if (pid_ > 0) {
      shell("xdotool search --name 'SETTINGS input' key --window %@ Escape 2>/dev/null");
      waitpid(pid_, nullptr, 0);
    }
    fs::remove_all(folder_);
  }

  const std::string& window() const { return window_; }
  bool started() const { return pid_ > 0 && !window_.empty(); }

  void xdotool(const std::string& arguments) const {
    ASSERT_EQ(std::system(("xdotool " + arguments).c_str()), 0) << arguments;
  }

  // Waits for the host; the report it wrote.
  Json finish() {
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "host status " << status;
    std::ifstream in(folder_ / "out.json");
    return Json::parse(in, nullptr, false);
  }

 private:
  fs::path folder_;
  pid_t pid_ = -1;
  std::string window_;
};

// The middle of the value field in window pixels, from the dialog font as the tool lays it out.
std::string valueFieldMiddle() {
  const ui::DialogTemplate& t = settingsTemplate();
  const ui::BaseUnits base = ui::qt::baseUnitsOf(ui::qt::dialogFont(t.fontFace, t.pointSize));
  for (const ui::ControlTemplate& c : t.controls) {
    if (c.id != IDC_VALUE) continue;
    const ui::Rect r = ui::dialogToPixels(c.rect, base);
    return std::to_string(r.x + r.cx / 2) + " " + std::to_string(r.y + r.cy / 2);
  }
  return "0 0";
}

// The part of the screen that the window covers, as the X server shows it.
void saveWindowPicture(const HostRun& run, const std::string& name) {
  int x = 0, y = 0, width = 0, height = 0;
  const std::string geometry = shell("xdotool getwindowgeometry --shell " + run.window());
  ASSERT_EQ(std::sscanf(geometry.c_str(), "WINDOW=%*d X=%d Y=%d WIDTH=%d HEIGHT=%d", &x, &y,
                        &width, &height),
            4)
      << geometry;
  const QPixmap screen = QApplication::primaryScreen()->grabWindow(0, x, y, width, height);
  EXPECT_TRUE(screen.save(QString::fromStdString(testsupport::picturePath(name))));
}

const Json& fieldsOf(const Json& report) { return report.at("blocks").at(0).at("fields"); }

// The initial focus is on ACCEPT (the first tab stop), so the test clicks into the value field
// to give it the focus, selects the old text and types over it. Keys go through the X server to
// the focused window, as a keyboard's would.
void typeSamplingTime(const HostRun& run, const std::string& text) {
  run.xdotool("windowfocus --sync " + run.window());
  run.xdotool("mousemove --sync --window " + run.window() + " " + valueFieldMiddle() +
              " click 1");
  run.xdotool("key ctrl+a");
  run.xdotool("type --delay 30 " + text);
}

TEST(SolveSetupEndToEnd, TypedTimeConfirmedWithEnterLandsInBothFields) {
  HostRun run;
  ASSERT_TRUE(run.started()) << "no window named \"SETTINGS input\" appeared";
  typeSamplingTime(run, "0.0125");
  saveWindowPicture(run, "solvesetup-e2e-time.png");
  run.xdotool("key Return");
  const Json report = run.finish();
  ASSERT_FALSE(report.is_discarded());
  const Json& fields = fieldsOf(report);
  EXPECT_EQ(fields.at("accepted"), 1);
  EXPECT_DOUBLE_EQ(fields.at("freqMax").get<double>(), 0.0125);
  EXPECT_DOUBLE_EQ(fields.at("freqMin").get<double>(), 0.0125);
  EXPECT_EQ(fields.at("samplingUnit"), 1);
  EXPECT_EQ(report.at("blocks").at(0).at("header").at("attachCount"), 0);
}

TEST(SolveSetupEndToEnd, EscapeLeavesTheHostsValues) {
  HostRun run;
  ASSERT_TRUE(run.started()) << "no window named \"SETTINGS input\" appeared";
  typeSamplingTime(run, "0.5");
  run.xdotool("key Escape");
  const Json report = run.finish();
  ASSERT_FALSE(report.is_discarded());
  const Json& fields = fieldsOf(report);
  EXPECT_EQ(fields.at("accepted"), 0);
  EXPECT_EQ(fields.at("freqMin").get<double>(), 0.0);
  EXPECT_EQ(fields.at("freqMax").get<double>(), 0.002);
}

}  // namespace
}  // namespace solvesetup::test
