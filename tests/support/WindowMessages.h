// Messages to a top-level window of another program the way a window manager sends them, with
// no window manager running. (Kept apart: Xlib's macros clash with Qt's names.)
#pragma once

namespace testsupport {

// Asks the window to close: a WM_DELETE_WINDOW message.
void askWindowToClose(unsigned long window);

// Waits until the program of the window has handled every event sent to it before the call and
// drawn what they asked for: it answers a few _NET_WM_PING messages in turn, each sent once the
// one before has come back, and the program handles them between its own work, in order with
// everything else it receives. False when an answer did not come within `seconds`.
bool waitUntilWindowIdle(unsigned long window, double seconds = 60.0);

}  // namespace testsupport
