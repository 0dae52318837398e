// Reads the ASCII form of a .frd file. Records have fixed columns: a block starts with its key
// in columns 2-5 and a letter in column 6 ("    2C", "  100C"); its records start with " -1",
// " -2", ... and it ends with " -3". The format indicator of a block says whether node and
// element numbers take 5 columns (short) or 10 (long); the binary forms are not read.
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <sstream>
#include <string_view>
#include <unordered_map>

#include "results/frd/ElementShapes.h"
#include "results/frd/FrdError.h"
#include "results/frd/FrdFile.h"
#include "results/frd/FrdLines.h"
#include "results/frd/Joined.h"

namespace host::results {
namespace {

constexpr std::size_t kRealWidth = 12;
constexpr int kFrequencyAnalysis = 2;  // the analysis type of a result block from a frequency step

// Column widths of a block's numbers, from its format indicator.
struct NumberFormat {
  std::size_t idWidth;     // node and element numbers
  std::size_t idsPerLine;  // node numbers on one line of an element's nodes
};

// The keywords ccx gives its own user header records; any other is the analysis heading.
bool isHeaderKeyword(std::string_view word) {
  static constexpr std::string_view kKeywords[] = {"USER",    "DATE",        "TIME", "HOST", "PGM",
                                                   "VERSION", "COMPILETIME", "DIR",  "DBN",  "MAT"};
  for (const std::string_view k : kKeywords) {
    if (word == k) return true;
  }
  return false;
}

// The record that opens a .frd file: key 1, code C.
bool isModelHeader(const FrdLines& lines) { return lines.field(0, 5) == "1" && lines.field(5, 1) == "C"; }

class Reader {
 public:
  Reader(std::istream& in, const std::string& name) : lines_(in, name) { file_.name = name; }

  FrdFile read() {
    if (!lines_.next()) lines_.failAt(0, "is empty");
    bool ended = readBlock();
    while (!ended && lines_.next()) ended = readBlock();
    if (!ended) lines_.failAt(0, "the file ends without its end record (9999): it may be cut short");
    if (nodeBlockLine_ == 0) lines_.failAt(0, "no node block (2C)");
    if (elementBlockLine_ == 0) lines_.failAt(0, "no element block (3C)");
    if (file_.modes.empty()) {
      lines_.failAt(0,
                    "no mode shapes: no displacement (DISP) block of a frequency step; ask ccx for them "
                    "with *NODE FILE and U in the *FREQUENCY step");
    }
    return std::move(file_);
  }

 private:
  // One block, from its first line; true at the end record.
  bool readBlock() {
    const std::string_view key = lines_.field(0, 5);
    const std::string_view code = lines_.field(5, 1);
    if (key == "9999") return true;
    if (key.empty() && code.empty()) return false;  // a blank line between blocks
    if (isModelHeader(lines_)) return false;
    if (key == "1" && code == "U") {
      readUserHeader();
    } else if (key == "1" && code == "P") {
      readParameter();
    } else if (key == "2" && code == "C") {
      readNodes();
    } else if (key == "3" && code == "C") {
      readElements();
    } else if (key == "100" && code == "C") {
      readResults();
    } else {
      lines_.fail(joined("'", lines_.field(0, 12), "' does not begin a block of a .frd file"));
    }
    return false;
  }

  void readUserHeader() {
    const std::string_view text = lines_.field(6, std::string::npos);
    if (!file_.heading.empty() || text.empty()) return;
    if (!isHeaderKeyword(text.substr(0, text.find(' ')))) file_.heading = std::string(text);
  }

  // "1PSTEP" records carry the number of the analysis step that the following results belong to.
  void readParameter() {
    if (lines_.field(6, 4) != "STEP") return;
    std::istringstream numbers(lines_.text().substr(10));
    long long counter = 0, increment = 0, step = 0;
    if (!(numbers >> counter >> increment >> step)) lines_.fail("a step record (1PSTEP) needs three numbers");
    step_ = step;
  }

  NumberFormat blockFormat(std::size_t column, std::size_t width) const {
    const long long indicator = lines_.integer(column, width, "the format indicator");
    if (indicator == 0) return {5, 15};
    if (indicator == 1) return {10, 10};
    if (indicator == 2 || indicator == 3)
      lines_.fail("the block is in binary form; only ASCII .frd files are read");
    lines_.fail(joined("unknown format indicator ", indicator));
  }

  int count(std::size_t column, std::size_t width, const char* what) const {
    const long long n = lines_.integer(column, width, what);
    if (n < 0 || n > std::numeric_limits<int>::max()) lines_.fail(joined(what, " is out of range"));
    return static_cast<int>(n);
  }

  int id(std::size_t column, std::size_t width, const char* what) const {
    const long long n = lines_.integer(column, width, what);
    if (n < 1 || n > std::numeric_limits<int>::max()) lines_.fail(joined(what, " must be a positive number"));
    return static_cast<int>(n);
  }

  // The next record of a block that began on line `header`; its key ("-1", "-2", ...).
  std::string_view nextRecord(int header, const char* block) {
    if (!lines_.next()) {
      lines_.failAt(lines_.number(),
                    joined("the file ends inside the ", block, " that begins on line ", header));
    }
    return lines_.field(0, 3);
  }

  void countsAgree(int header, const char* block, const char* things, int announced, int held) const {
    if (announced != held) {
      lines_.failAt(header,
                    joined("the ", block, " announces ", announced, " ", things, " but holds ", held));
    }
  }

  std::optional<int> nodeIndex(int nodeId) const {
    const auto found = nodeIndex_.find(nodeId);
    if (found == nodeIndex_.end()) return std::nullopt;
    return found->second;
  }

  void readNodes() {
    if (nodeBlockLine_ != 0)
      lines_.fail(joined("a second node block; the first begins on line ", nodeBlockLine_));
    const int header = nodeBlockLine_ = lines_.number();
    const int announced = count(24, 12, "the node count");
    const NumberFormat format = blockFormat(73, 1);
    for (std::string_view key = nextRecord(header, "node block"); key != "-3";
         key = nextRecord(header, "node block")) {
      if (key != "-1") lines_.fail("a node record (-1) or the end of the node block (-3) was expected");
      const int nodeId = id(3, format.idWidth, "the node number");
      std::array<double, 3> at{};
      for (std::size_t a = 0; a < 3; ++a) {
        at[a] = lines_.real(3 + format.idWidth + a * kRealWidth, kRealWidth, "a coordinate");
        if (std::fabs(at[a]) > std::numeric_limits<float>::max()) lines_.fail("a coordinate is out of range");
      }
      if (!nodeIndex_.emplace(nodeId, static_cast<int>(file_.nodes.size())).second) {
        lines_.fail(joined("node ", nodeId, " is defined twice"));
      }
      file_.nodeIds.push_back(nodeId);
      file_.nodes.push_back(at);
    }
    countsAgree(header, "node block", "nodes", announced, static_cast<int>(file_.nodes.size()));
  }

  void readElements() {
    if (nodeBlockLine_ == 0) lines_.fail("the element block comes before the node block");
    if (elementBlockLine_ != 0) {
      lines_.fail(joined("a second element block; the first begins on line ", elementBlockLine_));
    }
    const int header = elementBlockLine_ = lines_.number();
    const int announced = count(24, 12, "the element count");
    const NumberFormat format = blockFormat(73, 1);
    std::string_view key = nextRecord(header, "element block");
    while (key != "-3") {
      if (key != "-1")
        lines_.fail("an element record (-1) or the end of the element block (-3) was expected");
      key = readElement(header, format);
    }
    countsAgree(header, "element block", "elements", announced, static_cast<int>(file_.elements.size()));
  }

  // One element: its "-1" record, then "-2" records with its nodes. The key of the record after it.
  std::string_view readElement(int header, const NumberFormat& format) {
    FrdElement element;
    element.line = lines_.number();
    element.id = id(3, format.idWidth, "the element number");
    const long long type = lines_.integer(3 + format.idWidth, 5, "the element type");
    const std::string name = joined("element ", element.id);
    const bool known = type >= 0 && type <= std::numeric_limits<int>::max();
    element.type = known ? static_cast<int>(type) : 0;
    const ElementShape& shape = elementShape(element.type);
    if (shape.kind == ElementKind::Unknown) {
      lines_.fail(joined(name, " has type ", type, ", which is no element type of a .frd file"));
    }
    if (shape.kind == ElementKind::Beam) {
      lines_.fail(
          joined(name, " is a ", shape.name, " (type ", element.type,
                 "); beams are not read: let ccx write their expanded volume elements (no OUTPUT=2D)"));
    }
    const auto needed = static_cast<std::size_t>(shape.nodeCount);
    std::string_view key = nextRecord(header, "element block");
    for (; key == "-2"; key = nextRecord(header, "element block")) {
      for (std::size_t i = 0; i < format.idsPerLine; ++i) {
        const std::size_t column = 3 + i * format.idWidth;
        if (lines_.field(column, format.idWidth).empty()) break;
        if (element.nodes.size() == needed) {
          lines_.fail(joined(name, " (", shape.name, ") has more than ", needed, " nodes"));
        }
        const int nodeId = id(column, format.idWidth, "a node number");
        const std::optional<int> index = nodeIndex(nodeId);
        if (!index)
          lines_.fail(joined(name, " refers to node ", nodeId, ", which the node block does not define"));
        element.nodes.push_back(*index);
      }
    }
    if (element.nodes.size() != needed) {
      lines_.failAt(element.line, joined(name, " (", shape.name, ") has ", element.nodes.size(),
                                         " nodes; it needs ", needed));
    }
    file_.elements.push_back(std::move(element));
    return key;
  }

  void readResults() {
    if (nodeBlockLine_ == 0) lines_.fail("a result block comes before the node block");
    const int header = lines_.number();
    const double value = lines_.real(12, kRealWidth, "the block's value");
    const int announced = count(24, 12, "the node count");
    const long long analysis = lines_.integer(56, 2, "the analysis type");
    const NumberFormat format = blockFormat(73, 2);

    if (nextRecord(header, "result block") != "-4")
      lines_.fail("the result block's name record (-4) was expected");
    const std::string name(lines_.field(5, 8));
    const int entities = count(13, 5, "the number of entities");
    int values = 0;
    for (int e = 0; e < entities; ++e) {
      if (nextRecord(header, "result block") != "-5") {
        lines_.fail(joined("the block announces ", entities, " entities; entity record (-5) ", e + 1,
                           " was expected"));
      }
      // An entity whose values are to be computed (1) has no column in the data records.
      if (lines_.field(33, 5).empty() || lines_.integer(33, 5, "the entity's existence flag") != 1) ++values;
    }
    FrdMode* mode =
        name == "DISP" && analysis == kFrequencyAnalysis ? modeFor(value, header, values) : nullptr;
    int held = 0;
    for (std::string_view key = nextRecord(header, "result block"); key != "-3";
         key = nextRecord(header, "result block")) {
      if (key == "-2") continue;  // the further values of a node with more than six
      if (key != "-1") lines_.fail("a data record (-1, -2) or the end of the result block (-3) was expected");
      ++held;
      if (mode) readDisplacement(*mode, format);
    }
    countsAgree(header, "result block", "nodes", announced, held);
  }

  // The mode a frequency step's displacement block fills, or null when it belongs to a later step.
  FrdMode* modeFor(double frequency, int header, int values) {
    if (values != 3)
      lines_.failAt(header, joined("the DISP block gives ", values, " values per node; 3 were expected"));
    if (!frequencyStep_) frequencyStep_ = step_;
    if (step_ != *frequencyStep_) {
      if (step_ != lastIgnoredStep_) ++file_.laterFrequencySteps;
      lastIgnoredStep_ = step_;
      return nullptr;
    }
    constexpr float kMissing = std::numeric_limits<float>::quiet_NaN();
    FrdMode& mode = file_.modes.emplace_back();
    mode.frequency = frequency;
    mode.line = header;
    mode.displacement.assign(file_.nodes.size(), {kMissing, kMissing, kMissing});
    return &mode;
  }

  void readDisplacement(FrdMode& mode, const NumberFormat& format) {
    const int nodeId = id(3, format.idWidth, "the node number");
    const std::optional<int> index = nodeIndex(nodeId);
    if (!index)
      lines_.fail(joined("the DISP block gives node ", nodeId, ", which the node block does not define"));
    auto& d = mode.displacement[*index];
    if (!std::isnan(d[0])) lines_.fail(joined("the DISP block gives node ", nodeId, " twice"));
    for (std::size_t a = 0; a < 3; ++a) {
      const double v = lines_.real(3 + format.idWidth + a * kRealWidth, kRealWidth, "a displacement");
      if (std::fabs(v) > std::numeric_limits<float>::max()) lines_.fail("a displacement is out of range");
      d[a] = static_cast<float>(v);
    }
  }

  FrdLines lines_;
  FrdFile file_;
  std::unordered_map<int, int> nodeIndex_;
  int nodeBlockLine_ = 0, elementBlockLine_ = 0;
  long long step_ = 0;
  std::optional<long long> frequencyStep_;
  long long lastIgnoredStep_ = -1;
};

}  // namespace

FrdFile readFrd(std::istream& in, const std::string& name) { return Reader(in, name).read(); }

FrdFile readFrdFile(const std::string& path) {
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored))
    throw FrdError(path, 0, "is a directory, not a .frd file");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw FrdError(path, 0, "cannot be read");
  return readFrd(in, path);
}

bool isFrdFile(const std::string& path) {
  // A pipe's first line, once read here, would be missing for the reader that comes next.
  std::error_code ignored;
  if (!std::filesystem::is_regular_file(path, ignored)) return false;
  std::ifstream in(path, std::ios::binary);
  FrdLines lines(in, path);
  try {
    return lines.next() && isModelHeader(lines);
  } catch (const FrdError&) {
    return false;  // a first line no .frd file has
  }
}

}  // namespace host::results
