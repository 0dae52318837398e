// The data area that the host hands to solvesetup under the launch tag "DATA": the settings of a
// dynamic analysis. Offsets count from the first byte after the 16-byte block header. The host
// writes every field before it starts the tool; the tool reads and writes only the named fields
// and never touches the host's bytes. Shared with the host, so plain C++ only.
#pragma once

#include <cstddef>
#include <cstdint>

struct DynamicSettingsBlock {
  std::uint8_t hostLeading[296];  // the host's
  std::int32_t accepted;          // 1 once the user pressed ACCEPT
  std::int32_t densityLevel;      // 0 "REGULAR", 1 "HIGH", 2 "SUPER"
  std::int32_t samplingUnit;      // 0 "lfp", 1 "sec"
  std::uint8_t hostAfterUnit[4];  // the host's
  double freqMin;                 // lowest frequency, Hz
  double freqMax;                 // time mode: the sampling time; frequency mode: highest frequency
  std::int32_t dampingKind;       // 0 "NO DAMPING", 1 "RAYLEIGH", 2 "MODAL"
  std::uint8_t hostAfterKind[4];  // the host's
  double dampingA;                // RAYLEIGH: a of C = a*M + b*K; MODAL: constant damping in %
  double dampingB;                // RAYLEIGH: b
  std::uint8_t hostMiddle[1616];  // the host's
  std::int32_t analysisMode;      // > 3: frequency domain; any other value: time domain
};

// The shortest data area the tool accepts: up to the end of analysisMode. The struct itself is
// padded to a multiple of 8 beyond that, so its size is not the minimum.
inline constexpr std::size_t kDynamicSettingsMinSize =
    offsetof(DynamicSettingsBlock, analysisMode) + sizeof(std::int32_t);

// An analysisMode above this one is an analysis in the frequency domain.
inline constexpr std::int32_t kLastTimeDomainMode = 3;

static_assert(offsetof(DynamicSettingsBlock, accepted) == 296);
static_assert(offsetof(DynamicSettingsBlock, densityLevel) == 300);
static_assert(offsetof(DynamicSettingsBlock, samplingUnit) == 304);
static_assert(offsetof(DynamicSettingsBlock, freqMin) == 312);
static_assert(offsetof(DynamicSettingsBlock, freqMax) == 320);
static_assert(offsetof(DynamicSettingsBlock, dampingKind) == 328);
static_assert(offsetof(DynamicSettingsBlock, dampingA) == 336);
static_assert(offsetof(DynamicSettingsBlock, dampingB) == 344);
static_assert(offsetof(DynamicSettingsBlock, analysisMode) == 1968);
static_assert(kDynamicSettingsMinSize == 1972);
static_assert(sizeof(double) == 8 && sizeof(std::int32_t) == 4);
