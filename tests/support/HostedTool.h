// End-to-end runs: korvena-host creates a tool's real blocks and starts the real tool under the
// test's X server; xdotool drives the window as a user would; the test reads the JSON report the
// host writes once the tool has ended.
#pragma once

#include <sys/types.h>

#include <QRect>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "platform/ui/DialogTemplate.h"

namespace testsupport {

// Runs a shell command; its standard output without the trailing line break.
std::string shell(const std::string& command);

// The first window that `xdotool search <criteria>` finds, looked for every 100 ms until one
// shows or `seconds` have passed (0: looked for once); empty when none did. A window that goes
// away while xdotool walks the tree ends that search with an X error; the next one looks again.
std::string findWindow(const std::string& criteria, double seconds);

class HostedTool {
 public:
  // How the tool's window is found: by its title, or by its window class (the program's name),
  // for a window whose title is empty. Either is a regular expression.
  enum class WindowMatch { Title, Class };

  // Starts `korvena-host run tool --in <inputJson> --out ...` and waits (up to 20 s) for a
  // visible window with the given title (or class).
  HostedTool(const std::string& tool, const std::string& inputJson, const std::string& windowTitle,
             WindowMatch match = WindowMatch::Title);
  ~HostedTool();  // a host still running is stopped and waited for
  HostedTool(const HostedTool&) = delete;
  HostedTool& operator=(const HostedTool&) = delete;

  const std::string& window() const { return window_; }
  bool started() const { return pid_ > 0 && !window_.empty(); }

  // Runs `xdotool arguments`; a failing command fails the test.
  void xdotool(const std::string& arguments) const;
  // Returns once the tool has handled what was sent to its window so far and drawn it (a minute
  // at most, else the test fails).
  void sync() const;
  // Gives the window the focus and clicks the middle of a control of the dialog template.
  void clickControl(const ui::DialogTemplate& dialog, int id) const;
  // Clicks the middle of a control as a person does, the button held down for 50 ms, without
  // giving the window the focus first: the server's focus stays where it is.
  void holdClickControl(const ui::DialogTemplate& dialog, int id) const;
  // The id of a window with this title that appears within ten seconds; empty when none does.
  static std::string waitForWindow(const std::string& title);
  // Gives a window (a sub-dialog or a message box) the focus, presses the key there through the
  // server and waits, up to ten seconds, until no window has that title.
  void closeWithKey(const std::string& title, const std::string& key) const;
  // The window's client area on the screen (with no window manager, the window is its client
  // area).
  QRect clientArea() const;
  // Saves the part of the screen that the window covers in the pictures folder.
  void savePicture(const std::string& name) const;

  // Waits for the host, which should exit with hostExitCode (1: the tool exited non-zero); the
  // report it wrote (discarded JSON when there is none). A tool still running after ten seconds
  // fails the test and is closed.
  nlohmann::json finish(int hostExitCode = 0);

 private:
  // The control's middle in the window's pixels, "x y"; empty (and the test failed) for none.
  std::string middleOf(const ui::DialogTemplate& dialog, int id) const;
  bool waitForHost(int seconds, int* status);
  void stopHost(int* status);

  std::filesystem::path folder_;
  std::string windowSearch_;  // what xdotool search matches: "--name '<title>'" or "--class ..."
  pid_t pid_ = -1;
  std::string window_;
};

}  // namespace testsupport
