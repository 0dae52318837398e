#include "tests/support/WindowMessages.h"

#include <X11/Xlib.h>
#include <unistd.h>

#include <chrono>
#include <memory>

namespace testsupport {
namespace {

// A display of our own, closed with the pointer.
using OwnDisplay = std::unique_ptr<Display, int (*)(Display*)>;
OwnDisplay openDisplay() { return OwnDisplay(XOpenDisplay(nullptr), XCloseDisplay); }

XEvent protocolMessage(Display* display, unsigned long window, const char* protocol, long stamp) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, protocol, False));
  event.xclient.data.l[1] = stamp;
  event.xclient.data.l[2] = static_cast<long>(window);
  return event;
}

// Sends one ping and waits for its answer, which the program sends to the root window.
bool ping(Display* display, unsigned long window, long stamp, std::chrono::steady_clock::time_point end) {
  XEvent message = protocolMessage(display, window, "_NET_WM_PING", stamp);
  XSendEvent(display, window, False, NoEventMask, &message);
  XFlush(display);
  const Atom pingAtom = XInternAtom(display, "_NET_WM_PING", False);
  while (std::chrono::steady_clock::now() < end) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == ClientMessage && static_cast<Atom>(event.xclient.data.l[0]) == pingAtom &&
          event.xclient.data.l[1] == stamp) {
        return true;
      }
    }
    usleep(5000);
  }
  return false;
}

}  // namespace

void askWindowToClose(unsigned long window) {
  const OwnDisplay display = openDisplay();
  if (display.get() == nullptr) return;
  XEvent event = protocolMessage(display.get(), window, "WM_DELETE_WINDOW", CurrentTime);
  XSendEvent(display.get(), window, False, NoEventMask, &event);
}

bool waitUntilWindowIdle(unsigned long window, double seconds) {
  // Three rounds: the first answer comes when the events before it are taken in, the later ones
  // once what those events posted (repaints, queued input) has been handled too.
  constexpr int kRounds = 3;
  const OwnDisplay display = openDisplay();
  if (display.get() == nullptr) return false;
  const auto end =
      std::chrono::steady_clock::now() +
      std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(seconds));
  XSelectInput(display.get(), DefaultRootWindow(display.get()), StructureNotifyMask);  // where the answers go
  for (long round = 1; round <= kRounds; ++round) {
    if (!ping(display.get(), window, round, end)) return false;
  }
  return true;
}

}  // namespace testsupport
