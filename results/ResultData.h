// The contents of a result file for shakeplay, item by item, as integers and floats ready to be
// written. Counts are kept apart from the arrays so that a test can write a file that lies.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace host::results {

struct EdgeRecord {
  std::int32_t n = 0;  // point count of the polyline on its first point, 0 on the others
  float x = 0, y = 0, z = 0;
};

struct ResultData {
  std::int32_t leadWord = 0;
  float timeStart = 0, timeEnd = 0;
  // INFO block
  std::string title;  // at most 95 characters are kept
  std::array<double, 3> background{0.0, 0.0, 0.0};
  std::int32_t pointCount = 0, chainCount = 0, edgePointCount = 0, triangleCount = 0;
  std::array<float, 3> boxMin{}, boxMax{};
  std::int32_t resultCsys = -1;
  std::array<double, 9> resultCsysAxes{};
  std::array<double, 16> viewMatrix{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};  // column-major
  // geometry
  std::vector<std::array<float, 3>> points;
  std::vector<std::int32_t> triangles;  // three point indices each, zero-based
  std::vector<EdgeRecord> edges;
  // modal data
  std::int32_t modeCount = 0, stepCount = 0, firstStep = 0, lastStep = 0;
  std::array<float, 9> ranges{};  // X min, X max, Y min, Y max, Z min, Z max, magnitude min, max, coefBase
  std::vector<std::int32_t> modalCoord;             // step by step
  std::array<std::vector<std::int32_t>, 3> shapes;  // X, Y, Z: point by point
  std::array<float, 3> dispScale{}, colourScale{};
  std::array<std::int32_t, 3> colourOffset{};
  std::array<std::vector<std::int32_t>, 3> edgeShapes;  // X, Y, Z: edge point by edge point
  std::array<float, 3> edgeDispScale{};
  float timeOffset = 0, timeScale = 1;
  std::vector<float> stepTime;
};

// One item of the file as written: its name, where it starts and how long it is.
struct ResultItem {
  std::string name;
  std::uint64_t offset = 0;
  std::uint64_t size = 0;
};

// The items in file order, as writeResultFile lays them out.
std::vector<ResultItem> resultFileItems(const ResultData& data);

// Writes the file; throws std::runtime_error when it cannot be written.
void writeResultFile(const ResultData& data, const std::string& path);

// The bytes writeResultFile writes, in memory: shakeplay reads a converted .frd file from them.
std::vector<unsigned char> encodeResultFile(const ResultData& data);

}  // namespace host::results
