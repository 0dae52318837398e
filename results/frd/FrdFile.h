// What a CalculiX ASCII result file (.frd) holds that an animation needs: the nodes, the
// elements, and the displacement of every node in each mode of the first frequency step.
#pragma once

#include <array>
#include <istream>
#include <string>
#include <vector>

namespace host::results {

struct FrdElement {
  int id = 0;
  int type = 0;            // the element type number of the file (1 he8 ... 10 qu8)
  std::vector<int> nodes;  // indices into FrdFile::nodes, in the file's node order
  int line = 0;            // where the element begins
};

struct FrdMode {
  double frequency = 0.0;  // cycles per unit time, as the file gives it
  int line = 0;            // the line of the result block's header
  // Per node (indexed like FrdFile::nodes); NaN for a node the block does not give.
  std::vector<std::array<float, 3>> displacement;
};

struct FrdFile {
  std::string name;     // the file name the messages use
  std::string heading;  // the analysis heading, empty when the file has none
  std::vector<int> nodeIds;
  std::vector<std::array<double, 3>> nodes;
  std::vector<FrdElement> elements;
  std::vector<FrdMode> modes;
  int laterFrequencySteps = 0;  // frequency steps after the first, whose modes are not read
};

// Reads the whole file; throws FrdError naming the line of the first fault (a directory, a
// file that cannot be opened and an empty file are named as such).
FrdFile readFrd(std::istream& in, const std::string& name);
FrdFile readFrdFile(const std::string& path);

// Whether the file begins as a .frd file does, with its model header record ("    1C"),
// whatever its name; false for a file that cannot be read and for anything but a regular file
// (a pipe is not looked into: what is read from it here is gone for the next reader).
bool isFrdFile(const std::string& path);

}  // namespace host::results
