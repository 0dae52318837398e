// A tool stand-in for the host's tests. Its last word (an extra launch word) chooses:
//   -segv      dies of SIGSEGV          -abort   dies of SIGABRT
//   -exit=N    exits with code N        -wait    sleeps until a signal ends it (at most 30 s)
//   -attach    attaches its /TAG: blocks as a tool does, prints "attached <pid>" and then waits
//              as -wait does
// Every other mode ignores the launch arguments: it never touches the blocks.
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "runtime/ipc/IpcTag.h"

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[argc - 1] : "";
  if (mode == "-segv") {
    // Bypass a sanitizer's own SIGSEGV handler, which would turn the signal into an exit code.
    std::signal(SIGSEGV, SIG_DFL);
    std::raise(SIGSEGV);
  } else if (mode == "-abort") {
    std::abort();
  } else if (mode.rfind("-exit=", 0) == 0) {
    return std::atoi(mode.c_str() + std::strlen("-exit="));
  } else if (mode == "-attach") {
    lyrIpcList blocks = nullptr;
    if (lyrIpcAttach(argc, argv, &blocks) != 0) return 2;
    std::printf("attached %d\n", static_cast<int>(getpid()));
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::seconds(30));
  } else if (mode == "-wait") {
    std::this_thread::sleep_for(std::chrono::seconds(30));
  }
  return 0;
}
