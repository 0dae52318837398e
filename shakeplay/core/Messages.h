// The texts shakeplay shows or prints when it cannot start or cannot read its result file.
#pragma once

namespace shakeplay::messages {

inline constexpr const char* kCaptionError = "Korvena Error";
inline constexpr const char* kCaptionAnalysis = "KORVENA: Dynamic Analysis";

inline constexpr const char* kInvalidSyntax = "Movie: Invalid syntax!\n";
inline constexpr const char* kInvalidComponent =
    "Movie: Invalid component %d! Use 0 (X), 1 (Y), 2 (Z) or 3 (MAGNITUDE).\n";
inline constexpr const char* kNotFound = "Input File / %s /was NOT FOUND !";
inline constexpr const char* kInvalidFrdOptions =
    "Movie: %s\nA .frd file takes: shakeplay FILE.frd COMPONENT [--mode K | --impulse [--damping Z] "
    "[--amplitudes A1,A2,...]] [--periods P] [--steps N] [--feature-angle DEG] [--title TEXT]\n";
inline constexpr const char* kNoInfo = "Cannot read INFO !";
inline constexpr const char* kNoMemory =
    "Shakeplay: Unable to allocate sufficient memory, please check resources.";
inline constexpr const char* kNoPoint = "Cannot read POINT !\n";
inline constexpr const char* kNoTriangle = "Cannot read TRIANGLE !";
inline constexpr const char* kNoEdges = "Cannot read EDGES !";
inline constexpr const char* kShortItem = "Cannot Read from dyn_post.res(u:%d)\n";

// A file that reads whole but does not hold together.
inline constexpr const char* kNegativeCount = "Invalid INFO: negative count !";
inline constexpr const char* kTriangleIndex = "Invalid TRIANGLE: point index %d outside 0..%d !";
inline constexpr const char* kChainCount = "Invalid EDGES: %d polylines announced for %d edge points !";
inline constexpr const char* kTooManyChains = "Invalid EDGES: more polylines than the %d announced !";
inline constexpr const char* kBadChainLength = "Invalid EDGES: polyline of %d points !";
inline constexpr const char* kChainSum = "Invalid EDGES: polylines hold %lld points, not %d !";
inline constexpr const char* kStepHeader =
    "Invalid step header: %d modes, %d steps, first step %d, last step %d !";
inline constexpr const char* kEqualTimes = "Invalid step times: steps %d and %d have the same time !";

}  // namespace shakeplay::messages
