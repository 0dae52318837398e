// What the kind of analysis decides in the convergence dialog: which criteria it offers, how
// they are named, and the tolerances Default restores. Plain C++: no window system.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace convset {

// Values of analysisType; any other value is shown as a structural analysis.
inline constexpr int kStructural = 0;
inline constexpr int kThermal = 1;
inline constexpr int kFrequency = 2;

// Kinds 0, 1 and 2 judge the boundary-condition errors (the RMS change pair, the total RMS
// error and the maximum traction error); the other kinds only the first row.
bool judgesBoundaryErrors(int kind);

// The tolerances, in per cent, that Default writes for a kind.
struct DefaultTolerances {
  std::optional<double> freqDisp;  // frequency analysis only
  double main = 0.0;
  double totalChange = 0.0;
  double localChange = 0.0;
  double totalError = 0.0;
  double maxTrac = 0.0;
};
// None for the kinds other than 0, 1 and 2: Default writes no tolerance for them.
std::optional<DefaultTolerances> defaultTolerances(int kind);

// The captions a thermal analysis gives the criteria, by control id.
struct Caption {
  int id;
  std::string text;
};
const std::vector<Caption>& thermalCaptions();

}  // namespace convset
