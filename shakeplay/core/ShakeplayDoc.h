// The one document of shakeplay: the model and modal data read from the result file, the
// animation state computed from them, and the animation operations.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "shakeplay/core/ColourTable.h"
#include "shakeplay/core/Records.h"
#include "shakeplay/core/ViewFraming.h"

namespace shakeplay {

class ByteSource;
class PrimitiveSink;
class SceneRenderer;
class Services;

// Sub-frames per step offered by the control panel's SMOOTH list.
constexpr std::array<int, 6> kSmoothTable{1, 5, 10, 15, 20, 25};

// Choices of the control panel; each one given is applied by the panel's rule.
struct PlaybackChoice {
  std::optional<bool> deformed{};   // DEFORMED
  std::optional<int> coefIndex{};   // entry of the COEF list: the coefficient (index + 1) x coefBase
  std::optional<int> smoothIndex{};  // entry of the SMOOTH list (the sub-frame range of that entry)
};

class CShakeplayDoc {
 public:
  explicit CShakeplayDoc(Services& services);
  CShakeplayDoc(const CShakeplayDoc&) = delete;
  CShakeplayDoc& operator=(const CShakeplayDoc&) = delete;

  // Start-up: parse, check, read. false when start-up fails; exitCode then says how to end.
  bool OnNewDocument();
  void ParseCommandLine();
  // 0 on success, -1 on any failure.
  int ReadModel(const std::string& ignoredPath);
  // The reading itself, from any byte source (the file, or memory in tests and fuzzing).
  int readModelFrom(ByteSource& source);
  void DrawModel(bool edgesOnly, PrimitiveSink& sink) const;

  // Animation (one tick = one sub-frame).
  void ComputeFirstFrame();
  void ResetAnimation();
  void AdvanceFrame();
  void EvaluateStep(int k);

  // Sub-frame range for the current smooth, as at load.
  void setLoadSubFrameRange();
  // The choices made, then ResetAnimation (the old first frame and increments belong to the old
  // settings); false, and no change, for a negative COEF entry or one outside the SMOOTH list.
  bool applyChoice(const PlaybackChoice& choice);
  // The time the control panel shows for currentFrame: timeStart on the first sub-frame,
  // timeEnd from the last one on, otherwise the physical time of the step reached.
  double currentTimeShown() const;
  // Pixels of the progress bar's fill on a bar fullWidth pixels long: the share of the time
  // window that currentTimeShown has covered, kept within 0 .. fullWidth; 0 when the window
  // is empty (timeEnd equal to timeStart).
  int progressWidth(int fullWidth) const;
  // Physical time of step i.
  double StepPhysicalTime(int i) const;

  // The view the document renders on every tick; null while none exists.
  SceneRenderer* renderer = nullptr;
  int exitCode = 0;

  // request
  std::string resultPath;
  int component = 0;
  std::string componentName;
  std::string title;
  // time window
  float timeStart = 0.0f, timeEnd = 0.0f;
  // model
  ViewFraming framing;
  std::array<float, 16> rotation = identityMatrix<float>();  // column-major; written by the model view at each render
  std::array<float, 3> centre{};
  std::array<float, 3> backColour{};
  bool whiteBackground = false;
  std::array<float, 3> edgeColourOnWhite{0.0f, 0.0f, 0.0f};
  std::array<float, 3> edgeColour{1.0f, 0.98f, 0.98f};
  // The colour of the edges, outlines and labels drawn over the background.
  const float* lineColour() const { return whiteBackground ? edgeColourOnWhite.data() : edgeColour.data(); }
  int resultCsys = -1;
  std::array<double, 9> resultCsysAxes{};
  // points
  int pointCount = 0;
  Buffer<RestPoint> restPoints;
  Buffer<FramePoint> framePoints;  // [0, pointCount) state, [pointCount, 2 pointCount) increments
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
  Buffer<FrameEdge> frameEdges;  // [0, edgePointCount) state, then the increments
  // modal data
  int modeCount = 0, stepCount = 0;
  int firstStep = 0, lastStep = 0;
  Buffer<std::int32_t> modalCoord;  // stepCount rows of modeCount
  std::array<Buffer<std::int32_t>, 3> shape;      // X, Y, Z: pointCount rows of modeCount
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
  // animation
  float coefBase = 1.0f;
  float coef = 1.0f;
  int smooth = 1;
  int startFrame = 0, endFrame = 1;
  int currentFrame = 0;
  bool deformed = false;
  int timerPeriod = 0;
  ColourTable colourTable;

 private:
  friend class ResultReader;
  void allocateWorkspace();
  void setSubFrames(bool fractionalStart, bool fractionalEnd);
  // The sub-frame range of entry smoothIndex of the SMOOTH list.
  void setSmoothSelection(int smoothIndex);
  float colourValue(const float* sums) const;
  void setPointStatesToTargets();
  void setEdgeStatesToTargets();
  using DirectionSums = std::array<Buffer<std::int32_t>, 3>;
  // The point sums of row into pointSums_, and of nextRow (when given) into nextPointSums_ in
  // the same pass over the shape tables; only the directions the state needs are formed.
  void sumPoints(const std::int32_t* row, const std::int32_t* nextRow);
  // Point sums become the targets; with increments, the state moves toward them.
  void aimPointsAt(const DirectionSums& sums, bool withIncrements);
  void aimEdgesAt(const std::int32_t* row, bool withIncrements);
  void addIncrements();
  void renderScene();

  Services& services_;
  Buffer<std::int32_t> startRow_;  // the interpolated modal row of the start time
  DirectionSums pointSums_;      // per direction, one sum per point
  DirectionSums nextPointSums_;  // the same for the row after, while the first frame is set
  std::array<Buffer<std::int32_t>, 3> edgeSums_;
};

}  // namespace shakeplay
