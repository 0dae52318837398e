#include "results/frd/FrdResultModel.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <stdexcept>

#include "platform/FormatText.h"
#include "results/frd/FrdError.h"
#include "results/frd/Joined.h"
#include "results/frd/ModalMotion.h"
#include "results/frd/SurfaceMesh.h"

namespace host::results {
namespace {

constexpr int kMostSteps = 20000;
constexpr double kMostPeriods = 10000.0;

void checkAnimation(const FrdAnimation& a, std::size_t modeCount) {
  if (a.periods && !(*a.periods > 0.0 && *a.periods <= kMostPeriods)) {
    throw std::invalid_argument("--periods must be above 0 and at most 10000");
  }
  if (a.steps && (*a.steps < 2 || *a.steps > kMostSteps))
    throw std::invalid_argument("--steps must be 2 to 20000");
  if (!(a.featureAngle >= 0.0 && a.featureAngle <= 180.0))
    throw std::invalid_argument("--feature-angle must be 0 to 180 degrees");
  if (!a.impulse) return;
  if (!(a.damping >= 0.0 && a.damping < 1.0))
    throw std::invalid_argument("--damping must be at least 0 and below 1");
  if (a.amplitudes.empty()) return;
  if (a.amplitudes.size() != modeCount) {
    throw std::invalid_argument(
        joined("--amplitudes gives ", a.amplitudes.size(), " values; the file holds ", modeCount, " modes"));
  }
  if (std::any_of(a.amplitudes.begin(), a.amplitudes.end(), [](double v) { return !std::isfinite(v); })) {
    throw std::invalid_argument("--amplitudes must be finite numbers");
  }
  if (std::all_of(a.amplitudes.begin(), a.amplitudes.end(), [](double v) { return v == 0.0; })) {
    throw std::invalid_argument("--amplitudes are all 0: nothing would move");
  }
}

// The modes the animation uses, as indices into the file's modes.
std::vector<int> chosenModes(const FrdFile& file, const FrdAnimation& a) {
  const int count = static_cast<int>(file.modes.size());
  if (a.impulse) {
    std::vector<int> all(file.modes.size());
    for (int k = 0; k < count; ++k) all[k] = k;
    return all;
  }
  if (a.mode < 1 || a.mode > count) {
    throw FrdError(file.name, 0, joined("there is no mode ", a.mode, ": the file holds modes 1 to ", count));
  }
  return {a.mode - 1};
}

// Surface nodes become the result's points, in node order; the map gives each node's point or -1.
std::vector<int> pointsOfNodes(const std::vector<std::int32_t>& triangles, std::size_t nodeCount) {
  std::vector<int> point(nodeCount, -1);
  for (const std::int32_t node : triangles) point[node] = 0;
  int next = 0;
  for (int& p : point) {
    if (p == 0) p = next++;
  }
  return point;
}

void setShapes(const FrdFile& file, const std::vector<int>& modes, const std::vector<int>& pointOf,
               FrdConversion& out) {
  ResultModel& m = out.model;
  const std::size_t mc = modes.size();
  for (auto& shapes : m.modeShapes) shapes.assign(m.points.size() * mc, 0.0f);
  for (std::size_t j = 0; j < mc; ++j) {
    const FrdMode& mode = file.modes[modes[j]];
    const std::string name = joined("mode ", modes[j] + 1);
    double largest = 0.0;
    for (std::size_t node = 0; node < pointOf.size(); ++node) {
      if (pointOf[node] < 0) continue;
      const auto& d = mode.displacement[node];
      if (std::isnan(d[0])) {
        throw FrdError(file.name, mode.line,
                       joined(name, " gives no displacement for node ", file.nodeIds[node]));
      }
      largest = std::max(largest, std::sqrt(double{d[0]} * d[0] + double{d[1]} * d[1] + double{d[2]} * d[2]));
    }
    if (largest == 0.0) out.notes.push_back(joined(name, " does not move the surface"));
    const double scale = largest > 0.0 ? 1.0 / largest : 1.0;
    for (std::size_t node = 0; node < pointOf.size(); ++node) {
      if (pointOf[node] < 0) continue;
      for (int c = 0; c < 3; ++c) {
        m.modeShapes[c][pointOf[node] * mc + j] = static_cast<float>(mode.displacement[node][c] * scale);
      }
    }
  }
}

std::vector<double> frequenciesOf(const FrdFile& file, const std::vector<int>& modes) {
  std::vector<double> f;
  for (const int k : modes) f.push_back(file.modes[k].frequency);
  return f;
}

void setMotion(const FrdFile& file, const FrdAnimation& a, const std::vector<int>& modes,
               FrdConversion& out) {
  const std::vector<double> f = frequenciesOf(file, modes);
  ModalMotion motion;
  if (!a.impulse) {
    if (f[0] <= 0.0)
      out.notes.push_back(joined("mode ", a.mode, " has no frequency: it swings with a period of 1"));
    const double periods = a.periods.value_or(1.0);
    const int steps =
        a.steps.value_or(std::clamp(static_cast<int>(std::lround(32.0 * periods)) + 1, 21, kMostSteps));
    motion = swingMotion(f[0], periods, steps);
  } else {
    const double periods = a.periods.value_or(4.0);
    const int steps = a.steps.value_or(impulseSteps(f, periods));
    const double lowest = lowestFrequency(f);
    std::vector<double> amplitudes = a.amplitudes;
    for (std::size_t k = 0; k < f.size(); ++k) {
      if (a.amplitudes.empty()) amplitudes.push_back(f[k] > 0.0 ? lowest / f[k] : 0.0);
      if (f[k] <= 0.0)
        out.notes.push_back(joined("mode ", k + 1, " has no frequency: it stays still after the impulse"));
    }
    const double highest = *std::max_element(f.begin(), f.end());
    const double stepsPerPeriod = (steps - 1) / (impulseDuration(f, periods) * highest);
    if (highest > 0.0 && stepsPerPeriod < 8.0) {
      out.notes.push_back(
          joined(platform::formatText("%.3g", stepsPerPeriod), " steps a period of the highest mode (",
                 platform::formatText("%.5g", highest), " Hz): give more --steps for a smooth motion"));
    }
    motion = impulseMotion(f, amplitudes, a.damping, periods, steps);
  }
  // Step times are floats in the file: they must stay finite and apart.
  const std::vector<float>& t = motion.stepTimes;
  if (!std::isfinite(t.back()) || !(t[1] > t[0])) {
    throw FrdError(file.name, a.impulse ? 0 : file.modes[modes[0]].line,
                   "the frequencies give periods too long or too short to time the steps");
  }
  out.model.stepTimes = std::move(motion.stepTimes);
  out.model.modalCoords = std::move(motion.coords);
  out.model.timeStart = 0.0f;
  out.model.timeEnd = out.model.stepTimes.back();
}

std::string titleOf(const FrdFile& file, const FrdAnimation& a) {
  if (!a.title.empty()) return joined(" - ", a.title);
  const std::string base =
      !file.heading.empty() ? file.heading : std::filesystem::path(file.name).stem().string();
  if (!a.impulse)
    return joined(" - ", base, ": mode ", a.mode, " at ",
                  platform::formatText("%.5g", file.modes[a.mode - 1].frequency), " Hz");
  return joined(" - ", base, ": modes 1-", file.modes.size(), " after an impulse, damping ",
                platform::formatText("%.3g", 100.0 * a.damping), "%");
}

}  // namespace

FrdConversion convertFrd(const FrdFile& file, const FrdAnimation& a) {
  checkAnimation(a, file.modes.size());
  const std::vector<int> modes = chosenModes(file, a);
  const std::vector<SurfaceFace> faces = outerFaces(file.elements);
  std::vector<std::int32_t> triangles = triangulate(faces, file.nodes);
  if (triangles.empty()) throw FrdError(file.name, 0, "the mesh has no outer surface to draw");
  const std::vector<int> pointOf = pointsOfNodes(triangles, file.nodes.size());

  FrdConversion out;
  ResultModel& m = out.model;
  for (std::size_t node = 0; node < pointOf.size(); ++node) {
    if (pointOf[node] < 0) continue;
    const auto& p = file.nodes[node];
    m.points.push_back({static_cast<float>(p[0]), static_cast<float>(p[1]), static_cast<float>(p[2])});
  }
  for (std::int32_t& corner : triangles) corner = pointOf[corner];
  m.triangles = std::move(triangles);
  for (std::vector<int> line : featureLines(faces, file.nodes, a.featureAngle)) {
    for (int& node : line) node = pointOf[node];
    m.polylines.push_back(std::move(line));
  }
  m.modeCount = static_cast<int>(modes.size());
  setShapes(file, modes, pointOf, out);
  setMotion(file, a, modes, out);
  m.title = titleOf(file, a);
  if (file.laterFrequencySteps > 0) {
    out.notes.push_back(joined("the file holds ", file.laterFrequencySteps,
                               " more frequency step(s); only the modes of the first are used"));
  }
  return out;
}

float visibleCoefBase(const ResultData& data) {
  double diagonal2 = 0.0;
  for (int a = 0; a < 3; ++a)
    diagonal2 += double{data.boxMax[a] - data.boxMin[a]} * (data.boxMax[a] - data.boxMin[a]);
  const double largest = data.ranges[7];
  return largest > 0.0 && diagonal2 > 0.0 ? static_cast<float>(0.1 * std::sqrt(diagonal2) / largest) : 1.0f;
}

}  // namespace host::results
