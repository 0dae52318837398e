// What every program answers about itself: its version, and a short usage text. Only a command
// line whose one argument is "--version" or "--help" asks; every other one is the program's own.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The version of korvena-tools, one for every program and the package ("1.0.0").
const char* projectVersion();

// "shakeplay (korvena-tools) 1.0.0".
std::string versionLine(std::string_view program);

// The usage text of a tool the host starts on its shared memory: the launch words, what the
// engineer does with it, and how to try it without the host.
std::string toolUsage(std::string_view program, std::string_view launch, std::string_view purpose);

// When the one argument is "--version" (or "--help" and `usage` is not empty), prints the
// version line (or the usage text) on standard output and returns true: the program then ends
// with exit code 0. Any other command line: false, nothing printed.
bool answerInfoRequest(int argc, const char* const* argv, std::string_view program, std::string_view usage);

}  // namespace platform
