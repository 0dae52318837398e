// Closing a top-level window the way a window manager asks for it, with no window manager
// running: a WM_DELETE_WINDOW message. (Kept apart: Xlib's macros clash with Qt's names.)
#pragma once

namespace shakeplay::test {

void askWindowToClose(unsigned long window);

}  // namespace shakeplay::test
