// The fixed-point modal sums: dot products of a row of modal coordinates with rows of a shape
// table, in 32-bit integers that wrap as the host's arithmetic does.
#pragma once

#include <cstdint>

namespace shakeplay {

// out[p] = sum over j < modeCount of row[j] * table[p * modeCount + j], for every p < rowCount
// whose used[p] is non-zero (every p when used is null); other out[p] are left alone.
void modalRowSums(const std::int32_t* row, const std::int32_t* table, int modeCount, int rowCount,
                  const std::uint8_t* used, std::int32_t* out);
// The sums of two rows in one pass over the table: outA[p] for rowA and outB[p] for rowB.
void modalRowSumPairs(const std::int32_t* rowA, const std::int32_t* rowB, const std::int32_t* table,
                      int modeCount, int rowCount, const std::uint8_t* used, std::int32_t* outA,
                      std::int32_t* outB);

// A double converted to int32 without undefined behaviour: truncated toward zero, saturated,
// NaN gives 0.
std::int32_t truncToInt32(double value);
// The same into the range of int64 (for frame arithmetic before it is narrowed).
std::int64_t truncToInt64(double value);

}  // namespace shakeplay
