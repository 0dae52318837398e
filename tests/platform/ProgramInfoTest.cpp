#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ProgramInfo.h"

namespace {

// Only a command line of exactly one "--version" or "--help" is answered; --help only where the
// program has a usage text of its own.
TEST(ProgramInfo, AnswersOnlyAVersionOrHelpRequestStandingAlone) {
  struct Case {
    std::vector<const char*> words;
    const char* usage;
    bool answered;
    std::string printed;
  };
  const std::string version = std::string("tool (korvena-tools) ") + platform::projectVersion() + "\n";
  const Case cases[] = {
      {{"tool", "--version"}, "Usage: tool KEY\n", true, version},
      {{"tool", "--version"}, "", true, version},
      {{"tool", "--help"}, "Usage: tool KEY\n", true, "Usage: tool KEY\n"},
      {{"tool", "--help"}, "", false, ""},
      {{"tool"}, "Usage: tool KEY\n", false, ""},
      {{"tool", "--version", "/SHMKEY:k"}, "u", false, ""},
      {{"tool", "/SHMKEY:k", "--help"}, "u", false, ""},
      {{"tool", "-version"}, "u", false, ""},
      {{"tool", "--versions"}, "u", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::vector<std::string>(c.words.begin(), c.words.end())));
    testing::internal::CaptureStdout();
    const bool answered =
        platform::answerInfoRequest(static_cast<int>(c.words.size()), c.words.data(), "tool", c.usage);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.printed);
    EXPECT_EQ(answered, c.answered);
  }
}

}  // namespace
