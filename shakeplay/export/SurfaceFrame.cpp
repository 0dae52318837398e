#include "shakeplay/export/SurfaceFrame.h"

#include <cmath>

#include "shakeplay/core/ShakeplayDoc.h"

namespace shakeplay::exporting {
namespace {

constexpr std::array<const char*, 4> kComponentNames{"displacement X", "displacement Y", "displacement Z",
                                                     "displacement magnitude"};

}  // namespace

SurfaceFrame surfaceAtFrame(const CShakeplayDoc& doc, int index) {
  // The engine moves the points by the displacement times the coefficient; played with the
  // shape deformed at coefficient 1, the state less the rest position is the displacement.
  const LoadedResult& result = doc.result();
  const Animation& shown = doc.animation();
  const Animation displaced = shown.frameAt(index, true, 1.0f);
  const std::span<const FramePoint> states = displaced.points();

  SurfaceFrame surface;
  surface.componentName = kComponentNames[static_cast<std::size_t>(result.component)];
  std::vector<std::int32_t> renumbered(static_cast<std::size_t>(result.pointCount), -1);
  const float move = shown.deformed() ? shown.coef() : 0.0f;
  for (int p = 0; p < result.pointCount; ++p) {
    if (result.pointUsed[static_cast<std::size_t>(p)] == 0) continue;
    renumbered[static_cast<std::size_t>(p)] = static_cast<std::int32_t>(surface.points.size());
    const RestPoint& rest = result.restPoints[static_cast<std::size_t>(p)];
    const FramePoint& state = states[static_cast<std::size_t>(p)];
    const std::array<float, 3> d{state.x - rest.x, state.y - rest.y, state.z - rest.z};
    // The result keeps the points about the model's centre; the file's own places go out.
    surface.points.push_back({rest.x + result.centre[0] + d[0] * move,
                              rest.y + result.centre[1] + d[1] * move,
                              rest.z + result.centre[2] + d[2] * move});
    surface.displacement.push_back(d);
    surface.colourValue.push_back(state.value);
    surface.component.push_back(result.component < 3 ? d[static_cast<std::size_t>(result.component)]
                                                     : std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]));
  }
  for (int t = 0; t < result.triangleCount; ++t) {
    if (result.triangleShown[static_cast<std::size_t>(t)] == 0) continue;
    const std::int32_t* corners = result.triangles.data() + 3 * static_cast<std::ptrdiff_t>(t);
    surface.triangles.push_back({renumbered[static_cast<std::size_t>(corners[0])],
                                 renumbered[static_cast<std::size_t>(corners[1])],
                                 renumbered[static_cast<std::size_t>(corners[2])]});
  }
  return surface;
}

}  // namespace shakeplay::exporting
