// The checks a function must pass before it is handed back to the analysis.
#pragma once

#include <string>

#include "curvedit/FunctionPoints.h"

namespace curvedit {

// What the checks need to know of the function's context (the INFO block).
struct FunctionContext {
  int frequencyFunction = 0;             // 0: time function, 1: frequency function
  double minTimeStep = 0.0;              // shortest admissible active range of a time function
  double highestNaturalFrequency = 0.0;  // bound for the range of a frequency function
};

// The range of x over which a function is active (not zero).
struct ActiveRange {
  double start = 0.0;
  double end = 0.0;
};

// The active range of a list in ascending x that is not empty: from where it first rises from
// zero (or its first point, when it starts above zero or is zero everywhere) to where it last
// falls to zero (or its last point, when it ends above zero or is zero everywhere).
ActiveRange activeRange(const PointList& points);

// Runs the checks on the points (ascending x). Returns 1 when the function passes; else 0 with
// errorText holding the failures, numbered 1, 2, ... in the order found.
int ValidateFunction(const PointList& points, const FunctionContext& context, std::string& errorText);

}  // namespace curvedit
