// The point list as text, for the clipboard: one "x<TAB>y" line per point, and the way back.
#pragma once

#include <string>

#include "curvedit/FunctionPoints.h"
#include "curvedit/GraphScale.h"

namespace curvedit {

// One "x\ty\n" line per point, each number with the 17 significant digits that read back to
// the same double.
std::string pointTableText(const PointList& points);

// A pasted table read as a new point list.
struct PastedTable {
  PointList points;   // sorted by x; empty when refused
  std::string error;  // empty when accepted; else the one message that refuses the whole paste
};

// Reads one pair of numbers per line, separated by tabs, blanks, commas or semicolons. Blank
// lines are skipped, and so is a first line that holds no number at all (a header). The pairs
// obey the rules of typed points: no value below zero, nothing a logarithmic axis cannot show,
// no two points with the same x, at most kMaxFunctionPoints points, at least one.
PastedTable readPointTable(const std::string& text, const Axis& x, const Axis& y);

}  // namespace curvedit
