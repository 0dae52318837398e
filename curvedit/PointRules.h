// The rules every point of the editor obeys, whether typed (INPUT) or pasted.
#pragma once

#include "curvedit/FunctionPoints.h"
#include "curvedit/GraphScale.h"

namespace curvedit {

// Whether the value can be shown on the axis: always on a linear axis; on a logarithmic one it
// must be above zero and within five decades of both limits.
bool fitsAxis(const Axis& axis, double value);

// Both coordinates fit their axes.
bool fitsAxes(const Axis& x, const Axis& y, const CurvePoint& point);

// A value a point can take: a finite number, not below zero.
bool isPointValue(double value);

}  // namespace curvedit
