#include "tests/host/frd/SurfaceChecks.h"

#include <map>
#include <utility>

namespace host::results::test {

double enclosedVolume(const std::vector<std::int32_t>& t, const NodeCoordinates& p) {
  double sum = 0.0;
  for (std::size_t i = 0; i < t.size(); i += 3) {
    const auto& a = p[t[i]];
    const auto& b = p[t[i + 1]];
    const auto& c = p[t[i + 2]];
    sum += (a[0] * (b[1] * c[2] - b[2] * c[1]) + a[1] * (b[2] * c[0] - b[0] * c[2]) +
            a[2] * (b[0] * c[1] - b[1] * c[0])) /
           6.0;
  }
  return sum;
}

bool closedAndConsistent(const std::vector<std::int32_t>& t) {
  std::map<std::pair<int, int>, int> passes;
  for (std::size_t i = 0; i < t.size(); i += 3) {
    for (int k = 0; k < 3; ++k) ++passes[{t[i + k], t[i + (k + 1) % 3]}];
  }
  for (const auto& [edge, count] : passes) {
    const auto back = passes.find({edge.second, edge.first});
    if (count != 1 || back == passes.end() || back->second != 1) return false;
  }
  return true;
}

}  // namespace host::results::test
