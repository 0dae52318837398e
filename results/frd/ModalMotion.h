// Modal coordinates over time for an animation of mode shapes: one mode swinging as a sine, or
// all modes ringing down after an impulse. Frequencies are in cycles per unit time; a mode of
// frequency 0 (a rigid-body mode) has no period: alone it swings with a period of 1, after an
// impulse it stays still.
#pragma once

#include <vector>

namespace host::results {

struct ModalMotion {
  std::vector<float> stepTimes;
  std::vector<float> coords;  // step by step, one value per mode
};

// sin(2 pi f t) at `steps` evenly spaced times from 0 to `periods` periods.
ModalMotion swingMotion(double frequency, double periods, int steps);

// q_k(t) = A_k exp(-zeta w_k t) sin(w_k sqrt(1 - zeta^2) t), w_k = 2 pi f_k, at `steps` evenly
// spaced times over `periods` periods of the lowest mode that has a frequency.
ModalMotion impulseMotion(const std::vector<double>& frequencies, const std::vector<double>& amplitudes,
                          double damping, double periods, int steps);

// The lowest frequency above 0; 0 when no mode has one.
double lowestFrequency(const std::vector<double>& frequencies);

// The duration of `periods` periods of the lowest mode that has a frequency (of 1 when none has).
double impulseDuration(const std::vector<double>& frequencies, double periods);

// Enough steps to show the highest mode with 16 steps a period, within 101..4001.
int impulseSteps(const std::vector<double>& frequencies, double periods);

}  // namespace host::results
