#include <gtest/gtest.h>

#include <string>

#include "platform/CommandLine.h"
#include "shakeplay/core/CommandLine.h"
#include "tests/shakeplay/support/TestModel.h"

namespace shakeplay {
namespace {

TEST(ShakeplayCommandLine, TakesPathAndComponentFromTheWordsAfterTheProgram) {
  EXPECT_EQ(parseShakeplayCommandLine("shakeplay").resultPath, "");
  const ShakeplayRequest pathOnly = parseShakeplayCommandLine("shakeplay /data/run.res");
  EXPECT_EQ(pathOnly.resultPath, "/data/run.res");  // the last word keeps its last character
  EXPECT_EQ(pathOnly.component, 0);
  const ShakeplayRequest both = parseShakeplayCommandLine("shakeplay  /data/run.res   3 extra");
  EXPECT_EQ(both.resultPath, "/data/run.res");
  EXPECT_EQ(both.component, 3);
  EXPECT_EQ(parseShakeplayCommandLine("shakeplay a.res 2x").component, 2);
  EXPECT_EQ(parseShakeplayCommandLine("shakeplay a.res Z").component, 0);
  EXPECT_EQ(parseShakeplayCommandLine("shakeplay a.res 99999999999").component, 2147483647);
}

TEST(ShakeplayCommandLine, HandlesTheLineInABufferOf255Characters) {
  const std::string path(300, 'p');
  const ShakeplayRequest request = parseShakeplayCommandLine("shakeplay " + path + " 1");
  EXPECT_EQ(request.resultPath, std::string(245, 'p'));
  EXPECT_EQ(request.component, 0);
}

struct StartCase {
  std::vector<std::string> words;
  std::string text;
};

TEST(ShakeplayStart, RefusesAMissingPathANegativeAndAnUnknownComponent) {
  const StartCase cases[] = {
      {{"shakeplay"}, "Movie: Invalid syntax!\n"},
      {{"shakeplay", "run.res", "-1"}, "Movie: Invalid syntax!\n"},
      {{"shakeplay", "run.res", "4"},
       "Movie: Invalid component 4! Use 0 (X), 1 (Y), 2 (Z) or 3 (MAGNITUDE).\n"},
  };
  for (const StartCase& c : cases) {
    platform::setCommandLine(c.words);
    test::RecordingServices services;
    CShakeplayDoc doc(services);
    EXPECT_FALSE(doc.OnNewDocument());
    EXPECT_EQ(doc.exitCode(), 1);
    ASSERT_EQ(services.boxes.size(), 1u);
    EXPECT_EQ(services.boxes[0].text, c.text);
    EXPECT_EQ(services.boxes[0].caption, "Korvena Error");
    EXPECT_EQ(services.boxes[0].icon, MessageIcon::Error);
  }
}

TEST(ShakeplayStart, AMissingFileIsAWarningAndExitCode1) {
  platform::setCommandLine({"shakeplay", "/nonexistent/dyn_post.res", "2"});
  test::RecordingServices services;
  CShakeplayDoc doc(services);
  EXPECT_FALSE(doc.OnNewDocument());
  EXPECT_EQ(doc.exitCode(), 1);
  EXPECT_EQ(doc.request().component, 2);
  ASSERT_EQ(services.boxes.size(), 1u);
  EXPECT_EQ(services.boxes[0].text, "Input File / /nonexistent/dyn_post.res /was NOT FOUND !");
  EXPECT_EQ(services.boxes[0].caption, "KORVENA: Dynamic Analysis");
  EXPECT_EQ(services.boxes[0].icon, MessageIcon::Warning);
}

}  // namespace
}  // namespace shakeplay
