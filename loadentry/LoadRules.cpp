#include "loadentry/LoadRules.h"

#include <algorithm>

#include "loadbc/LoadKinds.h"
#include "runtime/skeleton/NumberText.h"

namespace loadentry {

bool anyNonZeroOfType(const DirectionTypes& types, const loadbc::ValueTexts& texts, int type) {
  for (int d = 0; d < loadbc::kDirections; ++d) {
    if (types[d] != type) continue;
    for (int p = 0; p < loadbc::kPoints; ++p) {
      if (skeleton::readNumber(texts[p][d]) != 0.0) return true;
    }
  }
  return false;
}

bool anyOfType(const DirectionTypes& types, int type) {
  return std::find(types.begin(), types.end(), type) != types.end();
}

void clearDirectionsOfType(DirectionTypes& types, loadbc::ValueTexts& texts, int type) {
  for (int d = 0; d < loadbc::kDirections; ++d) {
    if (types[d] != type) continue;
    types[d] = loadbc::kLoadPerUnit;
    for (int p = 0; p < loadbc::kPoints; ++p) texts[p][d] = loadbc::valueText(0.0);
  }
}

}  // namespace loadentry
