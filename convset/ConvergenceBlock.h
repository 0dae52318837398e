// The data area that the host hands to convset under its /SHMKEY: key: the convergence criteria
// of the adaptive solution. Offsets count from the first byte after the 16-byte block header.
// Integers are 32-bit little-endian, reals IEEE doubles holding tolerances in per cent, flags 1
// for selected and 0 for not. The host writes every field before it starts the tool; the tool
// writes only the named fields and never the host's bytes. Shared with the host: plain C++ only.
#pragma once

#include <cstddef>
#include <cstdint>

struct ConvergenceBlock {
  std::int32_t analysisType;         // 0 structural, 1 thermal, 2 frequency, others as 0
  std::int32_t freqDispSelected;     // frequency analysis: the displacement criterion is on
  std::int32_t mainSelected;         // displacement (thermal: temperature) criterion, kind 2:
                                     // the frequency criterion; -1 after Cancel
  std::int32_t totalChangeSelected;  // "Total RMS Trac BC Error Change"
  std::int32_t localChangeSelected;  // "Local RMS Trac BC Error Change"
  std::int32_t totalErrorSelected;   // "Total RMS Trac BC Error"
  std::int32_t maxTracSelected;      // "Max Trac BC Error"
  std::uint8_t hostAfterFlags[60];   // the host's
  double freqDispValue;              // frequency analysis: tolerance of the displacement criterion
  double mainValue;                  // tolerance of the criterion mainSelected selects
  double totalChangeValue;
  double localChangeValue;
  double totalErrorValue;
  double maxTracValue;
  std::uint8_t hostAfterValues[112];  // the host's
  std::int32_t levelMin;              // lowest accuracy level
  std::int32_t levelMax;              // highest accuracy level
  std::int32_t maxPasses;             // maximum number of solution passes
};

// The shortest data area the tool accepts: up to the end of maxPasses (the struct itself is
// padded to a multiple of 8 beyond that).
inline constexpr std::size_t kConvergenceBlockSize =
    offsetof(ConvergenceBlock, maxPasses) + sizeof(std::int32_t);

// The value of mainSelected that tells the host the user cancelled.
inline constexpr std::int32_t kConvergenceCancelled = -1;

static_assert(offsetof(ConvergenceBlock, analysisType) == 0);
static_assert(offsetof(ConvergenceBlock, freqDispSelected) == 4);
static_assert(offsetof(ConvergenceBlock, mainSelected) == 8);
static_assert(offsetof(ConvergenceBlock, totalChangeSelected) == 12);
static_assert(offsetof(ConvergenceBlock, localChangeSelected) == 16);
static_assert(offsetof(ConvergenceBlock, totalErrorSelected) == 20);
static_assert(offsetof(ConvergenceBlock, maxTracSelected) == 24);
static_assert(offsetof(ConvergenceBlock, hostAfterFlags) == 28);
static_assert(offsetof(ConvergenceBlock, freqDispValue) == 88);
static_assert(offsetof(ConvergenceBlock, mainValue) == 96);
static_assert(offsetof(ConvergenceBlock, totalChangeValue) == 104);
static_assert(offsetof(ConvergenceBlock, localChangeValue) == 112);
static_assert(offsetof(ConvergenceBlock, totalErrorValue) == 120);
static_assert(offsetof(ConvergenceBlock, maxTracValue) == 128);
static_assert(offsetof(ConvergenceBlock, hostAfterValues) == 136);
static_assert(offsetof(ConvergenceBlock, levelMin) == 248);
static_assert(offsetof(ConvergenceBlock, levelMax) == 252);
static_assert(offsetof(ConvergenceBlock, maxPasses) == 256);
static_assert(kConvergenceBlockSize == 260);
static_assert(sizeof(double) == 8 && sizeof(std::int32_t) == 4);
