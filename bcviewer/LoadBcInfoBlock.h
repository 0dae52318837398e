// The data area that the host hands to bcviewer under its /SHMKEY: key: one load or boundary
// condition to show. Offsets count from the first byte after the 16-byte block header. The tool
// copies the block and never writes it. Shared with the host, so plain C++ only.
#pragma once

#include <cstddef>
#include <cstdint>

struct LoadBcInfoBlock {
  std::int32_t distribution;               // 1 uniform, 2 two points, 3 three named points
  std::uint8_t hostAfterDistribution[24];  // the host's
  char pointName[3][11];                   // names of points 1, 2, 3 (three-point loads)
  std::uint8_t padding[3];
  double value[3][3];                // by point, then direction
  std::uint8_t hostAfterValues[24];  // the host's
  char functionName[271];            // the load function (time or frequency)
  char csysName[40];                 // the coordinate system whose directions the rows are
  char typeNames[36];                // the load types of directions 1, 2, 3 as text, 12
                                     // characters each, run together; the host may go on
};

// The characters of typeNames that belong to one direction.
inline constexpr std::size_t kTypeNameWidth = 12;

// The shortest data area the tool accepts: up to the end of the third type name. The struct is
// padded to a multiple of 8 beyond that, so its size is not the minimum.
inline constexpr std::size_t kLoadBcInfoMinSize = offsetof(LoadBcInfoBlock, typeNames) + 36;

static_assert(offsetof(LoadBcInfoBlock, distribution) == 0);
static_assert(offsetof(LoadBcInfoBlock, pointName) == 28);
static_assert(offsetof(LoadBcInfoBlock, value) == 64);
static_assert(offsetof(LoadBcInfoBlock, functionName) == 160);
static_assert(offsetof(LoadBcInfoBlock, csysName) == 431);
static_assert(offsetof(LoadBcInfoBlock, typeNames) == 471);
static_assert(kLoadBcInfoMinSize == 507);
static_assert(sizeof(double) == 8 && sizeof(std::int32_t) == 4);
