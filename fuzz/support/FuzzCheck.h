// What every fuzz harness shares: a broken rule stops the run with a line saying which, also
// where run.sh keeps the tools' own output out of the log (-close_fd_mask=3).
#pragma once

#include <string>

namespace fuzzsupport {

// Writes "korvena-fuzz: <what>" where the sanitizers report (the fuzzer may have closed standard
// error) and on standard error, then stops the process: libFuzzer keeps the input.
[[noreturn]] void fail(const std::string& what);

// fail(what) unless the rule holds.
inline void check(bool holds, const std::string& what) {
  if (!holds) fail(what);
}

}  // namespace fuzzsupport
