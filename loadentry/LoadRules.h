// The rules between load type, distribution and load function that OK enforces, on the rows the
// dialog holds: one load type per direction and the value texts by point, then direction.
#pragma once

#include <array>

#include "loadbc/ValueGrid.h"

namespace loadentry {

using DirectionTypes = std::array<int, loadbc::kDirections>;

// Some direction of this type has a value that reads as non-zero in one of the three columns.
bool anyNonZeroOfType(const DirectionTypes& types, const loadbc::ValueTexts& texts, int type);
bool anyOfType(const DirectionTypes& types, int type);
// Every direction of this type becomes LOAD per UNIT with its three value texts zero.
void clearDirectionsOfType(DirectionTypes& types, loadbc::ValueTexts& texts, int type);

}  // namespace loadentry
