// The data area that the host hands to loadentry under its /SHMKEY: key: one load or boundary
// condition to enter, and the load functions the user may choose from. Offsets count from the
// first byte after the 16-byte block header. The tool reads the host's fields and writes only
// status, loadType, value and functionIndex. Shared with the host, so plain C++ only.
#pragma once

#include <cstddef>
#include <cstdint>

struct LoadBcInputBlock {
  std::int32_t status;                    // 1: accepted and the values written; 0: cancelled
  std::int32_t distribution;              // 1 uniform, 2 two points, 3 three named points
  std::uint8_t hostAfterDistribution[4];  // the host's
  char pointName[3][11];                  // names of points 1, 2, 3 (three-point loads)
  std::uint8_t padding[3];
  std::int32_t loadType[3];          // per direction: 0 LOAD per UNIT, 1 DISPLACEMENT, 2 TOTAL FORCE
  std::uint8_t hostAfterTypes[12];   // the host's
  double value[3][3];                // by point, then direction
  std::int32_t functionIndex;        // zero-based index of the chosen load function
  std::int32_t functionKind;         // -1: no load function applies; else one must be chosen
  std::int32_t functionCount;        // entries that follow the fixed part
  std::uint8_t hostAfterCount[256];  // the host's
  char csysName[44];                 // the coordinate system whose directions the rows are
  // functionCount entries of kFunctionEntrySize bytes follow, each beginning with its name.
};

// functionKind when no time or frequency function applies.
inline constexpr std::int32_t kNoFunction = -1;

// The load functions follow the fixed part; each entry begins with the function's name.
inline constexpr std::size_t kFunctionEntriesOffset = 456;
inline constexpr std::size_t kFunctionEntrySize = 1664;

static_assert(offsetof(LoadBcInputBlock, status) == 0);
static_assert(offsetof(LoadBcInputBlock, distribution) == 4);
static_assert(offsetof(LoadBcInputBlock, pointName) == 12);
static_assert(offsetof(LoadBcInputBlock, loadType) == 48);
static_assert(offsetof(LoadBcInputBlock, value) == 72);
static_assert(offsetof(LoadBcInputBlock, functionIndex) == 144);
static_assert(offsetof(LoadBcInputBlock, functionKind) == 148);
static_assert(offsetof(LoadBcInputBlock, functionCount) == 152);
static_assert(offsetof(LoadBcInputBlock, csysName) == 412);
static_assert(sizeof(LoadBcInputBlock) == kFunctionEntriesOffset);
static_assert(sizeof(double) == 8 && sizeof(std::int32_t) == 4);
