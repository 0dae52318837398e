// A result for shakeplay from the modes of a .frd file: its outer surface and feature lines,
// each mode's shape scaled so that its largest displacement on the surface is 1, and modal
// coordinates over time for one mode swinging alone or for all modes after an impulse.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "results/ResultData.h"
#include "results/ResultModel.h"
#include "results/frd/FeatureEdges.h"
#include "results/frd/FrdFile.h"

namespace host::results {

struct FrdAnimation {
  int mode = 1;                    // the mode that swings alone, counted from 1
  bool impulse = false;            // all modes ringing down after an impulse instead
  std::optional<double> periods;   // default: one period of the mode; after an impulse, 4 of the lowest mode
  std::optional<int> steps;        // default: 32 a period (at least 21); after an impulse, impulseSteps
  double damping = 0.02;           // damping ratio of every mode after an impulse
  std::vector<double> amplitudes;  // after an impulse, per mode; empty: lowest frequency / f_k
  double featureAngle = kDefaultFeatureAngle;
  std::string title;  // empty: the file's heading (or its name) and the motion
};

struct FrdConversion {
  ResultModel model;
  std::vector<std::string> notes;  // what the user should know about the result
};

// Throws FrdError when the file cannot give what is asked (no such mode, a node without a
// displacement, no surface) and std::invalid_argument for an animation setting out of range.
FrdConversion convertFrd(const FrdFile& file, const FrdAnimation& animation);

// The deformation coefficient at which the largest displacement of the result is a tenth of
// the diagonal of the model's box, so that its motion shows at COEF 1.
float visibleCoefBase(const ResultData& data);

}  // namespace host::results
