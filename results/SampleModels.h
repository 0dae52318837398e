// Sample results for shakeplay: a realistic demo and a synthetic model of any size.
#pragma once

#include "results/ResultModel.h"

namespace host::results {

// A thin rectangular plate (1.0 x 0.4) clamped along x = 0, 81 x 31 points, struck at a free
// corner: its first bending, first torsion and second bending modes ring down over 400 steps.
ResultModel makePlateModel();

// A square grid of `points` points with `modes` sine-product modes moving in all three
// directions and `steps` steps of decaying modal coordinates.
ResultModel makeSyntheticModel(int points, int modes, int steps);

}  // namespace host::results
