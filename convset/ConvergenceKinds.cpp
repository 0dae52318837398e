#include "convset/ConvergenceKinds.h"

#include "convset/ConvSetResources.h"

namespace convset {

bool judgesBoundaryErrors(int kind) { return kind == kStructural || kind == kThermal || kind == kFrequency; }

std::optional<DefaultTolerances> defaultTolerances(int kind) {
  switch (kind) {
    case kStructural:
      return DefaultTolerances{.freqDisp = std::nullopt,
                               .main = 3.0,
                               .totalChange = 5.0,
                               .localChange = 5.0,
                               .totalError = 3.0,
                               .maxTrac = 30.0};
    case kThermal:
      return DefaultTolerances{.freqDisp = std::nullopt,
                               .main = 3.0,
                               .totalChange = 5.0,
                               .localChange = 5.0,
                               .totalError = 5.0,
                               .maxTrac = 50.0};
    case kFrequency:
      return DefaultTolerances{.freqDisp = 3.0,
                               .main = 5.0,
                               .totalChange = 5.0,
                               .localChange = 5.0,
                               .totalError = 5.0,
                               .maxTrac = 50.0};
    default:
      return std::nullopt;
  }
}

const std::vector<Caption>& thermalCaptions() {
  static const std::vector<Caption> captions = {
      {IDC_DISPLACEMENT, "Max Temperature BC Error"},
      {IDC_LOCAL_CHANGE, "Local RMS Flux BC Err Change"},
      {IDC_TOTAL_CHANGE, "Total RMS Flux BC Err Change"},
      {IDC_TOTAL_ERROR, "Total RMS Flux BC Error"},
      {IDC_MAX_TRAC, "Max Flux BC Error"},
  };
  return captions;
}

}  // namespace convset
