// The codes that the load and boundary-condition blocks carry: how a load is distributed along
// its entity, and what kind of quantity each direction's values are.
#pragma once

#include <array>

namespace loadbc {

// Distribution of a load: the number of points that carry values.
inline constexpr int kUniform = 1;      // one value per direction
inline constexpr int kTwoPoints = 2;    // begin and end point
inline constexpr int kThreePoints = 3;  // three named points

// Load type of one direction; the code is the index of its name in kLoadTypeNames.
inline constexpr int kLoadPerUnit = 0;
inline constexpr int kDisplacement = 1;
inline constexpr int kTotalForce = 2;

inline constexpr std::array<const char*, 3> kLoadTypeNames = {"LOAD per UNIT", "DISPLACEMENT", "TOTAL FORCE"};

// The number of points whose values a distribution carries: 1, 2 or 3; 0 for any other code.
constexpr int pointsOf(int distribution) {
  return distribution >= kUniform && distribution <= kThreePoints ? distribution : 0;
}

}  // namespace loadbc
