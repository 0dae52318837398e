// shakeplay as a user starts it: `korvena-host demo shakeplay` under the test's X server, its
// main window found by its caption, driven with xdotool and looked at through screen grabs.
#pragma once

#include <sys/types.h>

#include <QImage>
#include <QRect>
#include <string>
#include <vector>

namespace shakeplay::test {

class ShakeplayRun {
 public:
  // Starts a program of the build's bin folder with its words (e.g. {"korvena-host", "demo",
  // "shakeplay"}), with `environment` ("NAME=value") over the test's, and waits up to 20 s
  // for a window whose caption holds `caption`.
  ShakeplayRun(const std::vector<std::string>& words, const std::string& caption,
               const std::vector<std::string>& environment = {});
  // A window still open is closed; the host is waited for (then stopped, then killed).
  ~ShakeplayRun();
  ShakeplayRun(const ShakeplayRun&) = delete;
  ShakeplayRun& operator=(const ShakeplayRun&) = delete;

  bool started() const { return pid_ > 0 && !window_.empty(); }
  const std::string& window() const { return window_; }

  // Runs `xdotool arguments`; a failing command fails the test.
  void xdotool(const std::string& arguments) const;
  // Returns once the program has handled what was sent to it so far and drawn it (a minute at
  // most, else the test fails).
  void sync() const;
  // The part of the window's client area given in window pixels, grabbed from the screen.
  QImage grab(const QRect& area) const;
  void savePicture(const std::string& name) const;
  // Asks the window manager's way (WM_DELETE_WINDOW) for the main window to close.
  void closeWindow() const;
  // Waits for the host; its exit code, or -1 when it did not end by exit within 20 s.
  int finish();

 private:
  QRect clientArea() const;

  pid_t pid_ = -1;
  std::string window_;
};

// Pixels of the two pictures (same size) that differ.
int differingPixels(const QImage& a, const QImage& b);

}  // namespace shakeplay::test
