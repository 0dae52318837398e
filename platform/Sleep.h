#pragma once

namespace platform {
// Sleep(ms): blocks the calling thread for the given number of milliseconds.
void sleepMilliseconds(int milliseconds);
}  // namespace platform
