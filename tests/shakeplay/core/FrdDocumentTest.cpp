// shakeplay on CalculiX .frd files: known by their first record whatever their names, converted
// in memory and read as result files are read; the motion's options after the component; and
// each refusal in its message box, with exit code 1.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/CommandLine.h"
#include "results/ResultData.h"
#include "shakeplay/core/ShakeplayDoc.h"
#include "tests/host/HostProcess.h"
#include "tests/host/frd/BrickFrd.h"
#include "tests/shakeplay/support/TestModel.h"

namespace shakeplay {
namespace {

constexpr const char* kAnalysis = "KORVENA: Dynamic Analysis";

class FrdDocument : public testing::Test {
 protected:
  void SetUp() override {
    const std::string brick = host::results::test::kBrickFrd;
    host::test::writeFile(folder.file("bracket.frd"), brick);
    host::test::writeFile(folder.file("bracket.res"), brick);
    host::test::writeFile(folder.file("cut.frd"), brick.substr(0, brick.find(" -3\n")));
    host::test::writeFile(folder.file("empty.frd"), "");
    const std::vector<unsigned char> result = host::results::encodeResultFile(test::smallResult());
    std::ofstream(folder.file("small.frd"), std::ios::binary)
        .write(reinterpret_cast<const char*>(result.data()), static_cast<std::streamsize>(result.size()));
  }
  std::string path(const std::string& name) const { return folder.file(name).string(); }

  host::test::TempFolder folder;
};

// The content decides, not the name: .frd content named .res is converted, a result file named
// .frd is read as one; what cannot be read is refused by the reader its content calls for.
TEST_F(FrdDocument, IsReadByWhatItHoldsWhateverItsName) {
  const struct {
    std::string file;
    int points;        // 0: refused
    std::string said;  // the box, after the folder for a .frd refusal
  } cases[] = {
      {"bracket.frd", 8, ""},
      {"bracket.res", 8, ""},
      {"small.frd", 5, ""},
      {"empty.frd", 0, "Cannot read INFO !"},
      {"cut.frd", 0, "/cut.frd:12: the file ends inside the node block that begins on line 4"},
  };
  for (const auto& c : cases) {
    test::RecordingServices services;
    CShakeplayDoc doc(services);
    doc.setRequest({.resultPath = path(c.file), .component = 3});
    EXPECT_EQ(doc.ReadModel(""), c.points > 0 ? 0 : -1) << c.file;
    EXPECT_EQ(doc.result().pointCount, c.points) << c.file;
    if (c.points > 0) {
      EXPECT_TRUE(services.boxes.empty()) << c.file << ": " << services.boxes[0].text;
      continue;
    }
    ASSERT_EQ(services.boxes.size(), 1u) << c.file;
    const bool frd = c.said[0] == '/';
    EXPECT_EQ(services.boxes[0].text, frd ? folder.path().string() + c.said : c.said) << c.file;
    EXPECT_EQ(services.boxes[0].caption, kAnalysis) << c.file;
  }
}

// shakeplay FILE.frd COMPONENT [options]: the words after the component shape the motion, each
// word whole (a title keeps its blanks); words it cannot take, or a motion the file cannot give,
// end the start with a box and exit code 1. After a result file those words go unread, as ever.
TEST_F(FrdDocument, StartsWithTheMotionTheWordsAfterTheComponentAskFor) {
  const struct {
    std::vector<std::string> words;
    std::string titleEnd;  // of a start that succeeds; else the box's first line
    int steps = 0;
  } cases[] = {
      {{"bracket.frd", "2", "--mode", "2", "--periods", "2", "--title", "Bracket, mode two"},
       "DISPLACEMENT Z - Bracket, mode two *******",
       65},
      {{"small.frd", "1", "--mode", "banana"}, "DISPLACEMENT YSMALL *******", 30},
      {{"bracket.frd", "3", "--mode", "2", "--impulse"}, "Movie: --mode excludes --impulse"},
      {{"bracket.frd", "3", "2"}, "Movie: The following argument was not expected: 2"},
      {{"bracket.frd", "3", "--help"}, "Movie: The following argument was not expected: --help"},
      {{"bracket.frd", "3", "--mode", "3"}, "/bracket.frd: there is no mode 3: the file holds modes 1 to 2"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> words{"shakeplay", path(c.words[0])};
    words.insert(words.end(), c.words.begin() + 1, c.words.end());
    platform::setCommandLine(words);
    test::RecordingServices services;
    CShakeplayDoc doc(services);
    const bool started = doc.OnNewDocument();
    EXPECT_EQ(started, c.steps > 0) << c.titleEnd;
    if (started) {
      const std::string& title = doc.result().title;
      EXPECT_EQ(title.substr(title.size() - std::min(title.size(), c.titleEnd.size())), c.titleEnd);
      EXPECT_EQ(doc.result().stepCount, c.steps) << c.titleEnd;
      continue;
    }
    EXPECT_EQ(doc.exitCode(), 1);
    ASSERT_EQ(services.boxes.size(), 1u) << c.titleEnd;
    const std::string& text = services.boxes[0].text;
    const bool frd = c.titleEnd[0] == '/';
    EXPECT_EQ(text.substr(0, text.find('\n')), frd ? folder.path().string() + c.titleEnd : c.titleEnd);
    EXPECT_EQ(services.boxes[0].caption, frd ? kAnalysis : "Korvena Error");
  }
}

}  // namespace
}  // namespace shakeplay
