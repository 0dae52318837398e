// End-to-end runs: korvena-host creates a tool's real blocks and starts the real tool under the
// test's X server; xdotool drives the window as a user would; the test reads the JSON report the
// host writes once the tool has ended.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "platform/ui/DialogTemplate.h"

namespace testsupport {

// Runs a shell command; its standard output without the trailing line break.
std::string shell(const std::string& command);

class HostedTool {
 public:
  // How the tool's window is found: by its title, or by its window class (the program's name),
  // for a window whose title is empty. Either is a regular expression.
  enum class WindowMatch { Title, Class };

  // Starts `korvena-host run tool --in <inputJson> --out ...` and waits (up to 20 s) for a
  // visible window with the given title (or class).
  HostedTool(const std::string& tool, const std::string& inputJson, const std::string& windowTitle,
             WindowMatch match = WindowMatch::Title);
  ~HostedTool();  // a window still open gets Escape; the host is waited for
  HostedTool(const HostedTool&) = delete;
  HostedTool& operator=(const HostedTool&) = delete;

  const std::string& window() const { return window_; }
  bool started() const { return pid_ > 0 && !window_.empty(); }

  // Runs `xdotool arguments`; a failing command fails the test.
  void xdotool(const std::string& arguments) const;
  // Gives the window the focus and clicks the middle of a control of the dialog template.
  void clickControl(const ui::DialogTemplate& dialog, int id) const;
  // Saves the part of the screen that the window covers in the pictures folder.
  void savePicture(const std::string& name) const;

  // Waits for the host, which should exit with hostExitCode (1: the tool exited non-zero); the
  // report it wrote (discarded JSON when there is none).
  nlohmann::json finish(int hostExitCode = 0);

 private:
  std::filesystem::path folder_;
  std::string windowSearch_;  // what xdotool search matches: "--name '<title>'" or "--class ..."

  pid_t pid_ = -1;
  std::string window_;
};

}  // namespace testsupport
