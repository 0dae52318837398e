// The harnesses' stand-in for platform::sleepMilliseconds, linked in place of the platform's:
// the runtime waits 5 ms before it lets a /SHMKEY: block go, which gives a host in another
// process time and costs an in-process harness most of its runs. Nothing else depends on it.
#include "platform/Sleep.h"

namespace platform {
void sleepMilliseconds(int) {}
}  // namespace platform
