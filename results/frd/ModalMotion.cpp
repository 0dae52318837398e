#include "results/frd/ModalMotion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace host::results {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

std::vector<float> evenTimes(double duration, int steps) {
  std::vector<float> times(static_cast<std::size_t>(steps));
  for (int s = 0; s < steps; ++s) times[s] = static_cast<float>(duration * s / (steps - 1));
  return times;
}

}  // namespace

ModalMotion swingMotion(double frequency, double periods, int steps) {
  const double period = frequency > 0.0 ? 1.0 / frequency : 1.0;
  ModalMotion motion;
  motion.stepTimes = evenTimes(periods * period, steps);
  for (int s = 0; s < steps; ++s) {
    // The phase from the step number, so that whole periods end exactly where they began.
    motion.coords.push_back(static_cast<float>(std::sin(kTwoPi * periods * s / (steps - 1))));
  }
  return motion;
}

double lowestFrequency(const std::vector<double>& frequencies) {
  double lowest = 0.0;
  for (const double f : frequencies) {
    if (f > 0.0 && (lowest == 0.0 || f < lowest)) lowest = f;
  }
  return lowest;
}

double impulseDuration(const std::vector<double>& frequencies, double periods) {
  const double lowest = lowestFrequency(frequencies);
  return lowest > 0.0 ? periods / lowest : periods;
}

int impulseSteps(const std::vector<double>& frequencies, double periods) {
  const double highest = std::max(*std::max_element(frequencies.begin(), frequencies.end()), 0.0);
  const double lowest = lowestFrequency(frequencies);
  // Periods of the highest mode as a ratio of frequencies, so that whole numbers stay whole.
  const double wanted = 16.0 * periods * highest / (lowest > 0.0 ? lowest : 1.0) + 1.0;
  return static_cast<int>(std::clamp(std::ceil(wanted), 101.0, 4001.0));
}

ModalMotion impulseMotion(const std::vector<double>& frequencies, const std::vector<double>& amplitudes,
                          double damping, double periods, int steps) {
  const double duration = impulseDuration(frequencies, periods);
  ModalMotion motion;
  motion.stepTimes = evenTimes(duration, steps);
  const double ringing = std::sqrt(1.0 - damping * damping);
  for (int s = 0; s < steps; ++s) {
    const double t = duration * s / (steps - 1);
    for (std::size_t k = 0; k < frequencies.size(); ++k) {
      const double w = kTwoPi * std::max(frequencies[k], 0.0);
      motion.coords.push_back(
          static_cast<float>(amplitudes[k] * std::exp(-damping * w * t) * std::sin(w * ringing * t)));
    }
  }
  return motion;
}

}  // namespace host::results
