// What a result file holds once read and checked: the request it was read for, its title and time
// window, the model's colours and framing, the points, triangles and edges, and the modal data
// the animation is computed from. Filled once by the reader; nothing changes it afterwards.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "shakeplay/core/Records.h"
#include "shakeplay/core/ViewFraming.h"

namespace shakeplay {

struct LoadedResult {
  // request
  std::string resultPath;
  int component = 0;
  std::string componentName;
  std::string title;
  // time window
  float timeStart = 0.0f, timeEnd = 0.0f;
  // model
  ViewFraming framing;
  std::array<float, 3> centre{};
  std::array<float, 3> backColour{};
  bool whiteBackground = false;
  std::array<float, 3> edgeColourOnWhite{0.0f, 0.0f, 0.0f};
  std::array<float, 3> edgeColour{1.0f, 0.98f, 0.98f};
  // The colour of the edges, outlines and labels drawn over the background.
  const float* lineColour() const { return whiteBackground ? edgeColourOnWhite.data() : edgeColour.data(); }
  int resultCsys = -1;
  std::array<double, 9> resultCsysAxes{};
  // points, about the model's centre
  int pointCount = 0;
  Buffer<RestPoint> restPoints;
  Buffer<std::uint8_t> pointUsed;
  // triangles
  int triangleCount = 0;
  Buffer<std::int32_t> triangles;  // 3 per triangle
  Buffer<std::uint8_t> triangleShown;
  // edges
  int chainCount = 0;
  Buffer<std::int32_t> chainLength;
  int edgePointCount = 0;
  Buffer<EdgePoint> edgePoints;
  // modal data
  int modeCount = 0, stepCount = 0;
  int firstStep = 0, lastStep = 0;
  Buffer<std::int32_t> modalCoord;            // stepCount rows of modeCount
  std::array<Buffer<std::int32_t>, 3> shape;  // X, Y, Z: pointCount rows of modeCount
  std::array<float, 3> dispScale{};
  std::array<float, 3> colourScale{};
  std::array<std::int32_t, 3> colourOffset{};
  std::array<Buffer<std::int32_t>, 3> edgeShape;  // X, Y, Z: edgePointCount rows of modeCount
  std::array<float, 3> edgeDispScale{};
  float timeOffset = 0.0f, timeScale = 0.0f;
  Buffer<float> stepTime;
  // ranges
  float rangeMin = 0.0f, rangeMax = 0.0f;
  float magnitudeMin = 0.0f, magnitudeMax = 0.0f;
  float colourBand = 0.0f;
  float coefBase = 1.0f;

  // Physical time of step i.
  double StepPhysicalTime(int i) const { return static_cast<double>(stepTime[i]) * timeScale + timeOffset; }
};

}  // namespace shakeplay
