// Realistic curves for the demos of curveplot and curveplotb, as values by field name.
#pragma once

#include <string>

namespace host {

// The displacement of a damped single-degree-of-freedom oscillator after an impulse: 1.8 Hz,
// 5 % damping, 5 s in 400 segments; the peak at the first crest.
std::string dampedOscillatorDemo();

// The amplitude of a frequency response with two modes (12 Hz and 41 Hz) and the
// anti-resonance between them, 0.5 to 100 Hz in 400 segments, over four decades.
std::string frequencyResponseDemo();

}  // namespace host
