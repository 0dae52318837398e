// The two data areas that the host hands to curveplot and curveplotb: the curve's header under
// the launch tag "INFO" and its straight segments under "LINE". Offsets count from the first
// byte after the 16-byte block header. The host writes everything; the tools only read. Shared
// with the host, so plain C++ only.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr const char* kCurveInfoTag = "INFO";
inline constexpr const char* kCurveLineTag = "LINE";

// The window caption's field: zero-terminated, at most 299 characters.
inline constexpr std::size_t kCurveCaptionBytes = 300;

struct CurveInfoBlock {
  std::int32_t markMaximum;          // curveplot: >= 0 marks the peak; curveplotb: > 0 marks it
  std::uint8_t hostAfterMark[4];     // the host's
  double valueTop;                   // upper end of the value axis, in result units
  double valueBottom;                // lower end of the value axis, in result units
  std::int32_t segmentCount;         // records in the "LINE" block
  std::uint8_t hostAfterCount[4];    // the host's
  double dispersion;                 // shown as text (curveplot: when > 0; curveplotb: when >= 0)
  std::uint8_t hostMiddle[256];      // the host's
  char caption[kCurveCaptionBytes];  // window caption
};

// One record of the "LINE" block: a straight segment from (x0, y0) to (x1, y1). Note the order:
// both abscissas first, then both values.
struct CurveSegment {
  double x0;
  double x1;
  double y0;
  double y1;
};

// The shortest "INFO" data area the tools accept: up to the end of the caption. The struct
// itself is padded to a multiple of 8 beyond that.
inline constexpr std::size_t kCurveInfoMinSize = offsetof(CurveInfoBlock, caption) + kCurveCaptionBytes;

static_assert(offsetof(CurveInfoBlock, markMaximum) == 0);
static_assert(offsetof(CurveInfoBlock, valueTop) == 8);
static_assert(offsetof(CurveInfoBlock, valueBottom) == 16);
static_assert(offsetof(CurveInfoBlock, segmentCount) == 24);
static_assert(offsetof(CurveInfoBlock, dispersion) == 32);
static_assert(offsetof(CurveInfoBlock, caption) == 296);
static_assert(kCurveInfoMinSize == 596);
static_assert(sizeof(CurveSegment) == 32);
static_assert(offsetof(CurveSegment, x0) == 0);
static_assert(offsetof(CurveSegment, x1) == 8);
static_assert(offsetof(CurveSegment, y0) == 16);
static_assert(offsetof(CurveSegment, y1) == 24);
static_assert(sizeof(double) == 8 && sizeof(std::int32_t) == 4);
