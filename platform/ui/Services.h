// Message boxes and modal sub-dialogs. The application runner installs the window system's
// services; tests install a scripted double (platform/ui/testing/ScriptedServices.h).
#pragma once

#include <functional>
#include <string>

#include "platform/ui/Geometry.h"

namespace ui {

class Dialog;
class Painter;

// What a copy puts on the clipboard: a text, and a picture of the given size in pixels that
// `paint` draws (no picture when it is empty).
struct ClipboardContent {
  std::string text;
  Size pictureSize{};
  std::function<void(Painter&)> paint{};
};

// Message box flags and results, with the platform's values.
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_ICONSTOP = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_BUTTONS_MASK = 0xF;
inline constexpr unsigned MB_ICON_MASK = 0xF0;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// The result of the first button of a box with these flags (what Enter answers).
int defaultAnswer(unsigned flags);

class Services {
 public:
  virtual ~Services() = default;
  virtual int messageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
  // Runs the dialog modally: create, show, events until EndDialog, destroy. Returns the result
  // given to EndDialog.
  virtual int runModal(Dialog& dialog) = 0;
  // Replaces what the clipboard holds. Without a window system there is no clipboard, and the
  // content is dropped.
  virtual void setClipboard(const ClipboardContent& content);
  // The text the clipboard holds (empty when it holds none, and without a window system).
  virtual std::string clipboardText();
};

// The services in use. Until some are installed: message boxes go to the standard error stream
// and answer with their first button, and modal dialogs are refused with -1.
Services& services();
void installServices(Services* services);

// Installs services for the lifetime of the guard, then puts the previous ones back.
class ScopedServices {
 public:
  explicit ScopedServices(Services& services);
  ~ScopedServices();
  ScopedServices(const ScopedServices&) = delete;
  ScopedServices& operator=(const ScopedServices&) = delete;

 private:
  Services* previous_;
};

// The caption of boxes without one of their own (AfxMessageBox): the program's name.
const std::string& applicationName();
void setApplicationName(const std::string& name);

// AfxMessageBox: a box captioned with the application name.
int AfxMessageBox(const std::string& text, unsigned flags = MB_OK);

}  // namespace ui
