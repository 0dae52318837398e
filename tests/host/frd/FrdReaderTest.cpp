// Reading .frd files: what a good file gives, and a clear refusal, naming the line, of each fault.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "results/frd/FrdError.h"
#include "results/frd/FrdFile.h"
#include "tests/host/frd/BrickFrd.h"

namespace host::results::test {
namespace {

// A tetrahedron in the short format (5-column numbers), one mode at 7.25 Hz.
constexpr const char* kShortTetFrd =
    "    1C\n"
    "    2C                             4                                     0\n"
    " -1    7 0.00000E+00 0.00000E+00 0.00000E+00\n"
    " -1    3 1.20000E+00 0.00000E+00 0.00000E+00\n"
    " -1    9 0.00000E+00 8.00000E-01 0.00000E+00\n"
    " -1    4 0.00000E+00 0.00000E+00 6.00000E-01\n"
    " -3\n"
    "    3C                             1                                     0\n"
    " -1    2    3    0    1\n"
    " -2    7    3    9    4\n"
    " -3\n"
    "  100CL  101  7.25000000           4                     2    1MODAL      0\n"
    " -4  DISP        4    1\n"
    " -5  D1          1    2    1    0\n"
    " -5  D2          1    2    2    0\n"
    " -5  D3          1    2    3    0\n"
    " -5  ALL         1    2    0    0    1ALL\n"
    " -1    7 0.00000E+00 0.00000E+00 0.00000E+00\n"
    " -1    3-1.50000E-01-2.50000E-01 5.00000E-01\n"
    " -1    9 1.25000E-01-3.75000E-01-1.00000E+00\n"
    " -1    4-6.25000E-02 7.50000E-01-5.00000E-01\n"
    " -3\n"
    " 9999\n";

FrdFile read(const std::string& text, const std::string& name = "brick.frd") {
  std::istringstream in(text);
  return readFrd(in, name);
}

using Lines = std::vector<std::string>;

Lines linesOf(const std::string& text) {
  Lines lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string textOf(const Lines& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

void expectDisplacement(const FrdMode& mode, int node, std::array<float, 3> expected) {
  for (int a = 0; a < 3; ++a) EXPECT_FLOAT_EQ(mode.displacement[node][a], expected[a]) << node << " " << a;
}

TEST(FrdReader, ReadsNodesElementsAndTheModesOfTheFrequencyStep) {
  const FrdFile file = read(kBrickFrd);
  EXPECT_EQ(file.heading, "BRACKET TEST");
  EXPECT_EQ(file.nodeIds, (std::vector<int>{11, 12, 13, 14, 21, 22, 23, 24}));
  EXPECT_EQ(file.nodes[3], (std::array<double, 3>{1.55, 0.3, 2.0}));
  EXPECT_EQ(file.nodes[4], (std::array<double, 3>{0.25, -0.4, 2.45}));
  ASSERT_EQ(file.elements.size(), 1u);
  EXPECT_EQ(file.elements[0].id, 5);
  EXPECT_EQ(file.elements[0].type, 1);
  EXPECT_EQ(file.elements[0].line, 15);
  EXPECT_EQ(file.elements[0].nodes, (std::vector<int>{0, 1, 3, 2, 4, 5, 7, 6}));
  // The static step's displacements and the stress block are passed over.
  ASSERT_EQ(file.modes.size(), 2u);
  EXPECT_EQ(file.modes[0].frequency, 12.5);
  EXPECT_EQ(file.modes[0].line, 35);
  EXPECT_EQ(file.modes[1].frequency, 31.25);
  EXPECT_EQ(file.modes[1].line, 66);
  expectDisplacement(file.modes[0], 5, {0.05f, -0.1f, 0.75f});
  expectDisplacement(file.modes[1], 2, {0.4f, 0.25f, -0.05f});
  EXPECT_EQ(file.laterFrequencySteps, 0);
}

TEST(FrdReader, ReadsTheShortFormatWithNumbersThatTouchAndWindowsLineEnds) {
  std::string crlf;
  for (const std::string& line : linesOf(kShortTetFrd)) crlf += line + "\r\n";
  for (const std::string& text : {std::string(kShortTetFrd), crlf}) {
    const FrdFile file = read(text);
    EXPECT_TRUE(file.heading.empty());
    EXPECT_EQ(file.nodeIds, (std::vector<int>{7, 3, 9, 4}));
    EXPECT_EQ(file.nodes[1], (std::array<double, 3>{1.2, 0.0, 0.0}));
    ASSERT_EQ(file.elements.size(), 1u);
    EXPECT_EQ(file.elements[0].type, 3);
    EXPECT_EQ(file.elements[0].nodes, (std::vector<int>{0, 1, 2, 3}));
    ASSERT_EQ(file.modes.size(), 1u);
    EXPECT_EQ(file.modes[0].frequency, 7.25);
    expectDisplacement(file.modes[0], 1, {-0.15f, -0.25f, 0.5f});
    expectDisplacement(file.modes[0], 3, {-0.0625f, 0.75f, -0.5f});
  }
}

TEST(FrdReader, CountsTheFrequencyStepsAfterTheFirstWithoutReadingThem) {
  Lines lines = linesOf(kBrickFrd);
  const Lines secondStep(lines.begin() + 64, lines.begin() + 80);  // the second mode's step record and block
  lines.insert(lines.end() - 1, secondStep.begin(), secondStep.end());
  lines[80] = "    1PSTEP                        4           1           3";
  const FrdFile file = read(textOf(lines));
  EXPECT_EQ(file.modes.size(), 2u);
  EXPECT_EQ(file.laterFrequencySteps, 1);
}

struct Refusal {
  const char* fault;
  std::function<void(Lines&)> edit;  // lines counted from 0
  const char* message;
};

class FrdRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(FrdRefusal, NamesTheLine) {
  Lines lines = linesOf(kBrickFrd);
  GetParam().edit(lines);
  try {
    read(textOf(lines));
    FAIL() << "accepted: " << GetParam().fault;
  } catch (const FrdError& error) {
    EXPECT_EQ(std::string(error.what()).substr(0, std::string(GetParam().message).size()),
              GetParam().message);
  }
}

void set(Lines& lines, int line, const char* text) { lines[line - 1] = text; }
void erase(Lines& lines, int first, int last) {
  lines.erase(lines.begin() + first - 1, lines.begin() + last);
}

const Refusal kRefusals[] = {
    {"unknown element type", [](Lines& l) { set(l, 15, " -1         5   13    0    1"); },
     "brick.frd:15: element 5 has type 13, which is no element type of a .frd file"},
    {"beam element", [](Lines& l) { set(l, 15, " -1         5   11    0    1"); },
     "brick.frd:15: element 5 is a 2-node beam (type 11); beams are not read"},
    {"node count",
     [](Lines& l) {
       set(l, 4, "    2C                             9                                     1");
     },
     "brick.frd:4: the node block announces 9 nodes but holds 8"},
    {"element count",
     [](Lines& l) {
       set(l, 14, "    3C                             2                                     1");
     },
     "brick.frd:14: the element block announces 2 elements but holds 1"},
    {"result node count",
     [](Lines& l) {
       set(l, 35, "  100CL  102 12.50000000           9                     2    2MODAL      1");
     },
     "brick.frd:35: the result block announces 9 nodes but holds 8"},
    {"undefined node",
     [](Lines& l) {
       set(l, 16, " -2        11        12        15        13        21        22        24        23");
     },
     "brick.frd:16: element 5 refers to node 15, which the node block does not define"},
    {"too few nodes",
     [](Lines& l) {
       set(l, 16, " -2        11        12        14        13        21        22        24");
     },
     "brick.frd:15: element 5 (8-node brick) has 7 nodes; it needs 8"},
    {"too many nodes",
     [](Lines& l) {
       set(l, 16,
           " -2        11        12        14        13        21        22        24        23        11");
     },
     "brick.frd:16: element 5 (8-node brick) has more than 8 nodes"},
    {"node defined twice", [](Lines& l) { set(l, 7, " -1        12 2.50000E-01 3.00000E-01 2.00000E+00"); },
     "brick.frd:7: node 12 is defined twice"},
    {"malformed number", [](Lines& l) { set(l, 6, " -1        12 1.55000E+0X-4.00000E-01 2.00000E+00"); },
     "brick.frd:6: a coordinate '1.55000E+0X' in columns 14-25 is not a number"},
    {"coordinate beyond a float",
     [](Lines& l) { set(l, 6, " -1        12 1.55000E+39-4.00000E-01 2.00000E+00"); },
     "brick.frd:6: a coordinate is out of range"},
    {"missing number", [](Lines& l) { set(l, 6, " -1        12 1.55000E+00-4.00000E-01"); },
     "brick.frd:6: a coordinate in columns 38-49 is missing"},
    {"not finite", [](Lines& l) { set(l, 42, " -1        12         nan-2.00000E-02-1.25000E+00"); },
     "brick.frd:42: a displacement 'nan' in columns 14-25 is not a finite number"},
    {"garbage between blocks", [](Lines& l) { l.insert(l.begin() + 17, "hello"); },
     "brick.frd:18: 'hello' does not begin a block of a .frd file"},
    {"binary block",
     [](Lines& l) {
       set(l, 4, "    2C                             8                                     2");
     },
     "brick.frd:4: the block is in binary form; only ASCII .frd files are read"},
    {"two displacement values",
     [](Lines& l) {
       set(l, 36, " -4  DISP        3    1");
       erase(l, 39, 39);
     },
     "brick.frd:35: the DISP block gives 2 values per node; 3 were expected"},
    {"entity record missing",
     [](Lines& l) { set(l, 39, " -1        11 0.00000E+00-0.00000E+00-1.75000E+00"); },
     "brick.frd:39: the block announces 4 entities; entity record (-5) 3 was expected"},
    {"unknown node in a mode",
     [](Lines& l) { set(l, 43, " -1        99 2.00000E-02-4.00000E-02-7.50000E-01"); },
     "brick.frd:43: the DISP block gives node 99, which the node block does not define"},
    {"node twice in a mode",
     [](Lines& l) { set(l, 43, " -1        12 2.00000E-02-4.00000E-02-7.50000E-01"); },
     "brick.frd:43: the DISP block gives node 12 twice"},
    {"cut inside a block", [](Lines& l) { l.resize(40); },
     "brick.frd:40: the file ends inside the result block that begins on line 35"},
    {"no end record", [](Lines& l) { l.pop_back(); },
     "brick.frd: the file ends without its end record (9999)"},
    {"empty file", [](Lines& l) { l.clear(); }, "brick.frd: is empty"},
    {"no node block", [](Lines& l) { erase(l, 4, 13); },
     "brick.frd:4: the element block comes before the node block"},
    {"no element block", [](Lines& l) { erase(l, 14, 17); }, "brick.frd: no element block (3C)"},
    {"no frequency step", [](Lines& l) { erase(l, 34, 80); },
     "brick.frd: no mode shapes: no displacement (DISP) block"},
    {"line too long", [](Lines& l) { set(l, 5, std::string(5000, ' ').c_str()); },
     "brick.frd:5: the line is longer than 4096 characters"},
};

INSTANTIATE_TEST_SUITE_P(EveryFault, FrdRefusal, testing::ValuesIn(kRefusals), [](const auto& test) {
  std::string name = test.param.fault;
  for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
});

// Files by their content, not their names: whether each is known as a .frd file, and what reading
// it says when it cannot be read ("" for a file that reads).
TEST(FrdFiles, AreKnownByTheirFirstRecordAndNamedForWhatTheyAreWhenUnreadable) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / ("korvena-frd-" + std::to_string(::getpid()));
  fs::create_directories(folder / "folder.frd");
  std::ofstream(folder / "named.res") << kBrickFrd;
  std::ofstream(folder / "result.res") << "KOR";
  const struct {
    std::string file;
    bool frd;
    std::string said;
  } cases[] = {
      {"named.res", true, ""},
      {"result.res", false, "result.res:1: 'KOR' does not begin a block of a .frd file"},
      {"folder.frd", false, "folder.frd: is a directory, not a .frd file"},
      {"missing.frd", false, "missing.frd: cannot be read"},
  };
  for (const auto& c : cases) {
    const std::string path = (folder / c.file).string();
    EXPECT_EQ(isFrdFile(path), c.frd) << c.file;
    std::string said;
    try {
      readFrdFile(path);
    } catch (const FrdError& error) {
      said = error.what();
    }
    EXPECT_EQ(said, c.said.empty() ? "" : (folder / c.said).string()) << c.file;
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace host::results::test
