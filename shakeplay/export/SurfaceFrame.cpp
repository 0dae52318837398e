#include "shakeplay/export/SurfaceFrame.h"

#include <cmath>

#include "shakeplay/core/SceneRenderer.h"
#include "shakeplay/core/ShakeplayDoc.h"

namespace shakeplay::exporting {
namespace {

constexpr std::array<const char*, 4> kComponentNames{"displacement X", "displacement Y", "displacement Z",
                                                     "displacement magnitude"};

// Counts the renders the animation asks for and keeps the state of the one wanted.
class FrameCatcher final : public SceneRenderer {
 public:
  FrameCatcher(const CShakeplayDoc& doc, int wanted) : doc_(doc), wanted_(wanted) {}
  void RenderScene() override {
    if (renders_++ != wanted_) return;
    const auto* state = doc_.framePoints.data();
    caught.assign(state, state + doc_.pointCount);
  }
  bool done() const { return renders_ > wanted_; }
  std::vector<FramePoint> caught;

 private:
  const CShakeplayDoc& doc_;
  int wanted_;
  int renders_ = 0;
};

}  // namespace

SurfaceFrame surfaceAtFrame(CShakeplayDoc& doc, int index) {
  // The engine moves the points by the displacement times the coefficient; played with the
  // shape deformed at coefficient 1, the state less the rest position is the displacement.
  const float coef = doc.coef;
  const bool deformed = doc.deformed;
  SceneRenderer* view = doc.renderer;
  FrameCatcher catcher(doc, index);
  doc.deformed = true;
  doc.coef = 1.0f;
  doc.renderer = &catcher;
  doc.currentFrame = doc.startFrame;
  while (!catcher.done()) doc.AdvanceFrame();
  doc.renderer = view;
  doc.deformed = deformed;
  doc.coef = coef;

  SurfaceFrame surface;
  surface.componentName = kComponentNames[static_cast<std::size_t>(doc.component)];
  std::vector<std::int32_t> renumbered(static_cast<std::size_t>(doc.pointCount), -1);
  for (int p = 0; p < doc.pointCount; ++p) {
    if (doc.pointUsed[static_cast<std::size_t>(p)] == 0) continue;
    renumbered[static_cast<std::size_t>(p)] = static_cast<std::int32_t>(surface.points.size());
    const RestPoint& rest = doc.restPoints[static_cast<std::size_t>(p)];
    const FramePoint& state = catcher.caught[static_cast<std::size_t>(p)];
    const std::array<float, 3> d{state.x - rest.x, state.y - rest.y, state.z - rest.z};
    const float move = deformed ? coef : 0.0f;
    // The document keeps the points about the model's centre; the file's own places go out.
    surface.points.push_back({rest.x + doc.centre[0] + d[0] * move, rest.y + doc.centre[1] + d[1] * move,
                              rest.z + doc.centre[2] + d[2] * move});
    surface.displacement.push_back(d);
    surface.colourValue.push_back(state.value);
    surface.component.push_back(doc.component < 3 ? d[static_cast<std::size_t>(doc.component)]
                                                  : std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]));
  }
  for (int t = 0; t < doc.triangleCount; ++t) {
    if (doc.triangleShown[static_cast<std::size_t>(t)] == 0) continue;
    const std::int32_t* corners = doc.triangles.data() + 3 * static_cast<std::ptrdiff_t>(t);
    surface.triangles.push_back({renumbered[static_cast<std::size_t>(corners[0])],
                                 renumbered[static_cast<std::size_t>(corners[1])],
                                 renumbered[static_cast<std::size_t>(corners[2])]});
  }
  return surface;
}

}  // namespace shakeplay::exporting
