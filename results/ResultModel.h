// A dynamic-analysis result in physical units, and its encoding into a result file the way a
// host prepares it: fixed-point scales that keep every modal sum within 32 bits, the ranges of
// every displacement over all steps, and the colour scale of each direction.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "results/ResultData.h"

namespace host::results {

struct ResultModel {
  std::string title;
  std::array<double, 3> background{0.0, 0.0, 0.5};
  std::vector<std::array<float, 3>> points;
  std::vector<std::int32_t> triangles;               // three point indices each
  std::vector<std::vector<std::int32_t>> polylines;  // point indices of each edge line
  int modeCount = 0;
  // Mode shapes, per direction: modeShapes[c][p * modeCount + k].
  std::array<std::vector<float>, 3> modeShapes;
  // Modal coordinates: modalCoords[s * modeCount + k], and the time of every step.
  std::vector<float> modalCoords;
  std::vector<float> stepTimes;
  float timeStart = 0, timeEnd = 0;
  float coefBase = 1.0f;
};

ResultData encodeResultModel(const ResultModel& model);

}  // namespace host::results
