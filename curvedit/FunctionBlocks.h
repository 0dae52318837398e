// The two data areas that the host hands to curvedit: "INFO" describes the function's context
// and is only read; "DATA" holds the function (name and points) and receives the result.
// Offsets count from the first byte after the 16-byte block header. Shared with the host, so
// plain C++ only.
#pragma once

#include <cstddef>
#include <cstdint>

// The most points a function holds: the size of the abscissa and ordinate arrays.
inline constexpr int kMaxFunctionPoints = 100;

// The host's INFO record. The title runs from its offset to its zero byte, at most to the end of
// the block; the host writes it in a field of kFunctionTitleWidth bytes.
inline constexpr std::size_t kFunctionTitleWidth = 64;

struct FunctionInfoBlock {
  std::uint8_t hostLeading[32];             // the host's
  double minTimeStep;                       // shortest admissible active range of a time function
  double highestNaturalFrequency;           // bound for the range of a frequency function
  std::uint8_t hostMiddle[484];             // the host's
  char functionTitle[kFunctionTitleWidth];  // "TIME function :" marks a time function
};

// The shortest INFO block the tool reads: the fields up to the title and the title's first byte.
inline constexpr std::size_t kFunctionInfoMinSize = offsetof(FunctionInfoBlock, functionTitle) + 1;
// What the host creates: the title field in full.
inline constexpr std::size_t kFunctionInfoSize =
    offsetof(FunctionInfoBlock, functionTitle) + kFunctionTitleWidth;

// The title that marks a time function; any other title marks a frequency function.
inline constexpr const char* kTimeFunctionTitle = "TIME function :";

struct FunctionDataBlock {
  char functionName[40];                // zero-terminated unless it fills the field
  std::int32_t status;                  // written by the tool: kStatus...
  std::int32_t pointCount;              // 0 .. kMaxFunctionPoints
  double abscissa[kMaxFunctionPoints];  // time or frequency of point i
  double ordinate[kMaxFunctionPoints];  // function value of point i
};

// What the tool writes into `status`.
inline constexpr std::int32_t kStatusFrequencyApplied = 1;
inline constexpr std::int32_t kStatusTimeApplied = 3;
inline constexpr std::int32_t kStatusCancelled = 10;

// The DATA block must hold every field, all 100 points included.
inline constexpr std::size_t kFunctionDataSize = sizeof(FunctionDataBlock);

static_assert(sizeof(double) == 8 && sizeof(std::int32_t) == 4);
static_assert(offsetof(FunctionInfoBlock, minTimeStep) == 32);
static_assert(offsetof(FunctionInfoBlock, highestNaturalFrequency) == 40);
static_assert(offsetof(FunctionInfoBlock, functionTitle) == 532);
static_assert(kFunctionInfoMinSize == 533);
static_assert(kFunctionInfoSize == 596);
static_assert(offsetof(FunctionDataBlock, functionName) == 0);
static_assert(offsetof(FunctionDataBlock, status) == 40);
static_assert(offsetof(FunctionDataBlock, pointCount) == 44);
static_assert(offsetof(FunctionDataBlock, abscissa) == 48);
static_assert(offsetof(FunctionDataBlock, ordinate) == 848);
static_assert(kFunctionDataSize == 1648);
