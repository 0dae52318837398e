#include "fuzz/support/FuzzCheck.h"

#include <sanitizer/common_interface_defs.h>

#include <cstdio>

namespace fuzzsupport {

void fail(const std::string& what) {
  const std::string line = "korvena-fuzz: " + what;
  std::fprintf(stderr, "%s\n", line.c_str());
  __sanitizer_report_error_summary(line.c_str());
  __builtin_trap();
}

}  // namespace fuzzsupport
