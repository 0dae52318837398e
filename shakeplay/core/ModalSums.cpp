#include "shakeplay/core/ModalSums.h"

#include <cmath>

// The sums are the hot loop of a step change; the x86 build carries an AVX2 variant chosen
// at load time (vpmulld), the default keeps to the baseline instruction set.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define KORVENA_SUM_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define KORVENA_SUM_CLONES
#endif

namespace shakeplay {
namespace {

inline std::int32_t dot(const std::int32_t* __restrict a, const std::int32_t* __restrict b, int n) {
  std::uint32_t sum = 0;
  for (int j = 0; j < n; ++j) sum += static_cast<std::uint32_t>(a[j]) * static_cast<std::uint32_t>(b[j]);
  return static_cast<std::int32_t>(sum);
}

// Two dot products sharing the loads of b.
inline void dotPair(const std::int32_t* __restrict a0, const std::int32_t* __restrict a1,
                    const std::int32_t* __restrict b, int n, std::int32_t& out0, std::int32_t& out1) {
  std::uint32_t sum0 = 0, sum1 = 0;
  for (int j = 0; j < n; ++j) {
    const auto bj = static_cast<std::uint32_t>(b[j]);
    sum0 += static_cast<std::uint32_t>(a0[j]) * bj;
    sum1 += static_cast<std::uint32_t>(a1[j]) * bj;
  }
  out0 = static_cast<std::int32_t>(sum0);
  out1 = static_cast<std::int32_t>(sum1);
}

}  // namespace

KORVENA_SUM_CLONES
void modalRowSums(const std::int32_t* row, const std::int32_t* table, int modeCount, int rowCount,
                  const std::uint8_t* used, std::int32_t* out) {
  const std::int64_t stride = modeCount;
  for (int p = 0; p < rowCount; ++p) {
    if (used == nullptr || used[p] != 0) out[p] = dot(row, table + p * stride, modeCount);
  }
}

KORVENA_SUM_CLONES
void modalRowSumPairs(const std::int32_t* rowA, const std::int32_t* rowB, const std::int32_t* table,
                      int modeCount, int rowCount, const std::uint8_t* used, std::int32_t* outA,
                      std::int32_t* outB) {
  const std::int64_t stride = modeCount;
  for (int p = 0; p < rowCount; ++p) {
    if (used == nullptr || used[p] != 0) dotPair(rowA, rowB, table + p * stride, modeCount, outA[p], outB[p]);
  }
}

std::int32_t truncToInt32(double value) {
  if (!(value == value)) return 0;
  if (value >= 2147483647.0) return INT32_MAX;
  if (value <= -2147483648.0) return INT32_MIN;
  return static_cast<std::int32_t>(value);
}

std::int64_t truncToInt64(double value) {
  constexpr double kLimit = 9.2e18;
  if (!(value == value)) return 0;
  if (value >= kLimit) return static_cast<std::int64_t>(kLimit);
  if (value <= -kLimit) return -static_cast<std::int64_t>(kLimit);
  return static_cast<std::int64_t>(value);
}

}  // namespace shakeplay
