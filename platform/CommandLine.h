// The process command line as one string, the way GetCommandLineA hands it over:
// the program path and the words after it, joined by single blanks.
#pragma once

#include <string>
#include <vector>

namespace platform {

// Called once by main, after the UI toolkit has removed its own options.
void setCommandLine(const std::vector<std::string>& words);
void setCommandLine(int argc, const char* const* argv);

// The joined command line; empty until setCommandLine was called.
const std::string& commandLine();
// The words as given, blanks inside a word kept (the program's own name first).
const std::vector<std::string>& commandWords();

}  // namespace platform
