#include "host/layouts/CurvePlotDemos.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <functional>
#include <nlohmann/json.hpp>
#include <numbers>

namespace host {
namespace {

using Json = nlohmann::json;
constexpr int kSegments = 400;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

struct Sampled {
  Json segments = Json::array();
  double top = -HUGE_VAL;
  double bottom = HUGE_VAL;
  double sumOfSquares = 0.0;
};

// The function sampled at kSegments + 1 even steps from `from` to `to`, as straight segments
// from record `first` on; the records before it are zero.
Sampled sample(const std::function<double(double)>& value, double from, double to, int first) {
  Sampled s;
  for (int i = 0; i < first; ++i) s.segments.push_back({{"x0", 0.0}, {"x1", 0.0}, {"y0", 0.0}, {"y1", 0.0}});
  const double step = (to - from) / kSegments;
  double x0 = from;
  double y0 = value(x0);
  for (int i = 1; i <= kSegments; ++i) {
    const double x1 = from + i * step;
    const double y1 = value(x1);
    s.segments.push_back({{"x0", x0}, {"x1", x1}, {"y0", y0}, {"y1", y1}});
    s.top = std::max(s.top, y1);
    s.bottom = std::min(s.bottom, y1);
    s.sumOfSquares += y1 * y1;
    x0 = x1;
    y0 = y1;
  }
  s.top = std::max(s.top, value(from));
  s.bottom = std::min(s.bottom, value(from));
  return s;
}

std::string curveJson(const Sampled& s, int markMaximum, double dispersion, const std::string& caption) {
  const Json info = {{"markMaximum", markMaximum}, {"valueTop", s.top},
                     {"valueBottom", s.bottom},    {"segmentCount", s.segments.size()},
                     {"dispersion", dispersion},   {"caption", caption}};
  return Json{{"INFO", info}, {"LINE", {{"segments", s.segments}}}}.dump();
}

}  // namespace

std::string dampedOscillatorDemo() {
  constexpr double kAmplitude = 6.4e-3;  // m
  constexpr double kDamping = 0.05;
  constexpr double kOmega = kTwoPi * 1.8;
  const double damped = kOmega * std::sqrt(1.0 - kDamping * kDamping);
  const auto displacement = [&](double t) {
    return kAmplitude * std::exp(-kDamping * kOmega * t) * std::sin(damped * t);
  };
  // Record 0 is left zero: curveplot does not read it.
  const Sampled s = sample(displacement, 0.0, 5.0, 1);
  const double rms = std::sqrt(s.sumOfSquares / kSegments);
  return curveJson(s, 0, rms, "Node 1204 UZ: displacement in m after an impact, over time in s");
}

std::string frequencyResponseDemo() {
  struct Mode {
    double hertz, damping, participation;
  };
  constexpr Mode kModes[] = {{12.0, 0.02, 1.0}, {41.0, 0.03, -0.45}};
  const auto amplitude = [&](double hertz) {
    const double omega = kTwoPi * hertz;
    std::complex<double> sum;
    for (const Mode& m : kModes) {
      const double w = kTwoPi * m.hertz;
      sum += m.participation / std::complex<double>(w * w - omega * omega, 2.0 * m.damping * w * omega);
    }
    return 1.5e3 * std::abs(sum);  // mm/kN
  };
  const Sampled s = sample(amplitude, 0.5, 100.0, 0);
  return curveJson(s, 1, -1.0, "Node 1204 UZ: frequency response in mm/kN over frequency in Hz");
}

}  // namespace host
