#include "results/ResultModel.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace host::results {
namespace {

constexpr double kShapeLimit = 32767.0;  // largest shape integer

std::int32_t quantise(double value) { return static_cast<std::int32_t>(std::lround(value)); }

double largestMagnitude(const std::vector<float>& values) {
  double largest = 0.0;
  for (const float v : values) largest = std::max(largest, std::fabs(static_cast<double>(v)));
  return largest;
}

// Shape integers in -32767..32767 for the largest shape value of the direction.
std::vector<std::int32_t> quantiseShapes(const std::vector<float>& shapes, double& scale) {
  const double largest = largestMagnitude(shapes);
  scale = largest > 0.0 ? kShapeLimit / largest : 1.0;
  std::vector<std::int32_t> out(shapes.size());
  for (std::size_t i = 0; i < shapes.size(); ++i) out[i] = quantise(shapes[i] * scale);
  return out;
}

// The modal scale: every step's sum of |coordinate| times the largest shape integer, with the
// rounding of each coordinate, stays below 2^31.
double modalScale(const ResultModel& m) {
  const std::size_t steps = m.stepTimes.size();
  double largestRowSum = 0.0;
  for (std::size_t s = 0; s < steps; ++s) {
    double rowSum = 0.0;
    for (int k = 0; k < m.modeCount; ++k)
      rowSum += std::fabs(static_cast<double>(m.modalCoords[s * m.modeCount + k]));
    largestRowSum = std::max(largestRowSum, rowSum);
  }
  const double budget = static_cast<double>(INT32_MAX) / kShapeLimit - m.modeCount - 1.0;
  return largestRowSum > 0.0 ? budget / largestRowSum : 1.0;
}

struct SumRanges {
  std::array<std::int64_t, 3> low{}, high{};
  double magnitudeLow = 0.0, magnitudeHigh = 0.0;
};

// The integer sums of every point at every step, as the reader will form them.
SumRanges sumRanges(const ResultData& d) {
  SumRanges r;
  const int m = d.modeCount;
  bool first = true;
  std::array<std::int64_t, 3> sums{};
  for (std::size_t p = 0; p < d.points.size(); ++p) {
    for (int s = 0; s < d.stepCount; ++s) {
      const std::int32_t* q = d.modalCoord.data() + static_cast<std::size_t>(s) * m;
      for (int c = 0; c < 3; ++c) {
        const std::int32_t* shape = d.shapes[c].data() + p * m;
        std::int64_t sum = 0;
        for (int k = 0; k < m; ++k) sum += static_cast<std::int64_t>(q[k]) * shape[k];
        sums[c] = sum;
      }
      double magnitude2 = 0.0;
      for (int c = 0; c < 3; ++c) {
        const double disp = static_cast<double>(sums[c]) * d.dispScale[c];
        magnitude2 += disp * disp;
        r.low[c] = first ? sums[c] : std::min(r.low[c], sums[c]);
        r.high[c] = first ? sums[c] : std::max(r.high[c], sums[c]);
      }
      const double magnitude = std::sqrt(magnitude2);
      r.magnitudeLow = first ? magnitude : std::min(r.magnitudeLow, magnitude);
      r.magnitudeHigh = first ? magnitude : std::max(r.magnitudeHigh, magnitude);
      first = false;
    }
  }
  return r;
}

void checkModel(const ResultModel& m) {
  const std::size_t points = m.points.size();
  const std::size_t steps = m.stepTimes.size();
  if (steps < 2) throw std::invalid_argument("a result needs at least two steps");
  if (m.modeCount < 0 || m.modalCoords.size() != steps * static_cast<std::size_t>(m.modeCount)) {
    throw std::invalid_argument("modal coordinates do not match the steps and modes");
  }
  for (const auto& shapes : m.modeShapes) {
    if (shapes.size() != points * static_cast<std::size_t>(m.modeCount)) {
      throw std::invalid_argument("mode shapes do not match the points and modes");
    }
  }
  for (std::size_t s = 1; s < steps; ++s) {
    if (!(m.stepTimes[s] > m.stepTimes[s - 1])) throw std::invalid_argument("step times must increase");
  }
  if (m.triangles.size() % 3 != 0) throw std::invalid_argument("triangles need three corners each");
  const auto outside = [points](std::int32_t i) { return i < 0 || static_cast<std::size_t>(i) >= points; };
  if (std::any_of(m.triangles.begin(), m.triangles.end(), outside)) {
    throw std::invalid_argument("a triangle corner is not a point");
  }
  for (const auto& line : m.polylines) {
    if (std::any_of(line.begin(), line.end(), outside))
      throw std::invalid_argument("an edge point is not a point");
  }
  if (points > static_cast<std::size_t>(INT32_MAX / 16)) throw std::invalid_argument("too many points");
}

void setGeometry(const ResultModel& m, ResultData& d) {
  d.title = m.title;
  d.background = m.background;
  d.points = m.points;
  d.triangles = m.triangles;
  d.pointCount = static_cast<std::int32_t>(m.points.size());
  d.triangleCount = static_cast<std::int32_t>(m.triangles.size() / 3);
  d.boxMin = d.boxMax = m.points.empty() ? std::array<float, 3>{} : m.points.front();
  for (const auto& p : m.points) {
    for (int a = 0; a < 3; ++a) {
      d.boxMin[a] = std::min(d.boxMin[a], p[a]);
      d.boxMax[a] = std::max(d.boxMax[a], p[a]);
    }
  }
  for (const auto& line : m.polylines) {
    if (line.empty()) continue;
    for (std::size_t i = 0; i < line.size(); ++i) {
      const auto& p = m.points[line[i]];
      d.edges.push_back({i == 0 ? static_cast<std::int32_t>(line.size()) : 0, p[0], p[1], p[2]});
    }
    ++d.chainCount;
  }
  d.edgePointCount = static_cast<std::int32_t>(d.edges.size());
}

// The steps that enclose the time window.
void setWindow(const ResultModel& m, ResultData& d) {
  d.timeStart = m.timeStart;
  d.timeEnd = m.timeEnd;
  const int steps = d.stepCount;
  int first = 0;
  while (first + 1 < steps - 1 && m.stepTimes[first + 1] <= m.timeStart) ++first;
  int last = steps - 1;
  while (last - 1 > first && m.stepTimes[last - 1] >= m.timeEnd) --last;
  d.firstStep = first;
  d.lastStep = last;
}

}  // namespace

ResultData encodeResultModel(const ResultModel& m) {
  checkModel(m);
  ResultData d;
  setGeometry(m, d);
  d.modeCount = m.modeCount;
  d.stepCount = static_cast<std::int32_t>(m.stepTimes.size());
  setWindow(m, d);
  d.stepTime = m.stepTimes;
  d.timeOffset = 0.0f;
  d.timeScale = 1.0f;

  const double modal = modalScale(m);
  d.modalCoord.resize(m.modalCoords.size());
  for (std::size_t i = 0; i < m.modalCoords.size(); ++i) d.modalCoord[i] = quantise(m.modalCoords[i] * modal);

  const auto mc = static_cast<std::size_t>(m.modeCount);
  for (int c = 0; c < 3; ++c) {
    double shapeScale = 1.0;
    d.shapes[c] = quantiseShapes(m.modeShapes[c], shapeScale);
    d.dispScale[c] = static_cast<float>(1.0 / (shapeScale * modal));

    std::vector<float> edgeShapes;
    edgeShapes.reserve(d.edges.size() * mc);
    for (const auto& line : m.polylines) {
      for (const std::int32_t p : line) {
        const float* row = m.modeShapes[c].data() + static_cast<std::size_t>(p) * mc;
        edgeShapes.insert(edgeShapes.end(), row, row + mc);
      }
    }
    double edgeScale = 1.0;
    d.edgeShapes[c] = quantiseShapes(edgeShapes, edgeScale);
    d.edgeDispScale[c] = static_cast<float>(1.0 / (edgeScale * modal));
  }

  const SumRanges r = sumRanges(d);
  for (int c = 0; c < 3; ++c) {
    d.ranges[2 * c] = static_cast<float>(static_cast<double>(r.low[c]) * d.dispScale[c]);
    d.ranges[2 * c + 1] = static_cast<float>(static_cast<double>(r.high[c]) * d.dispScale[c]);
    const double span = static_cast<double>(r.high[c] - r.low[c]);
    d.colourOffset[c] = static_cast<std::int32_t>(r.low[c]);
    d.colourScale[c] = span > 0.0 ? static_cast<float>(250.0 / span) : 0.0f;
  }
  d.ranges[6] = static_cast<float>(r.magnitudeLow);
  d.ranges[7] = static_cast<float>(r.magnitudeHigh);
  d.ranges[8] = m.coefBase;
  return d;
}

}  // namespace host::results
