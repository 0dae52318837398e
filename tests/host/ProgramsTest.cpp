// Every installed program answers --version and --help given alone, with no display and without
// starting anything.
#include <gtest/gtest.h>

#include "tests/host/HostProcess.h"

namespace host::test {
namespace {

TEST(ProgramsTest, EveryProgramAnswersVersionAndHelpAlone) {
  const char* const programs[] = {"solvesetup",       "curvedit",    "convset",    "loadentry",
                                  "bcviewer",         "curveplot",   "curveplotb", "shakeplay",
                                  "shakeplay-export", "korvena-host"};
  for (const char* program : programs) {
    SCOPED_TRACE(program);
    TempFolder folder;
    const HostRun version = runProgram(binFolder() / program, {"--version"}, folder);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, std::string(program) + " (korvena-tools) " KORVENA_VERSION "\n");
    EXPECT_EQ(version.err, "");
    const HostRun help = runProgram(binFolder() / program, {"--help"}, folder);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("Usage: "), std::string::npos) << help.out;
    EXPECT_NE(help.out.find(program), std::string::npos) << help.out;
  }
}

}  // namespace
}  // namespace host::test
