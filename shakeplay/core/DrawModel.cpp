// The primitives of the current state: coloured triangles, then the edge polylines.
#include "shakeplay/core/SceneRenderer.h"
#include "shakeplay/core/ShakeplayDoc.h"

namespace shakeplay {

void CShakeplayDoc::DrawModel(bool edgesOnly, PrimitiveSink& sink) const {
  if (!edgesOnly) {
    // One call per run of shown triangles (all of them, unless some were hidden).
    int t = 0;
    while (t < triangleCount) {
      while (t < triangleCount && triangleShown[t] == 0) ++t;
      const int first = t;
      while (t < triangleCount && triangleShown[t] != 0) ++t;
      if (t > first) {
        sink.colouredTriangles(framePoints.data(), triangles.data() + 3 * static_cast<std::ptrdiff_t>(first),
                               3 * static_cast<std::size_t>(t - first));
      }
    }
  }
  const float* rgb = lineColour();
  int offset = 0;
  for (int chain = 0; chain < chainCount; ++chain) {
    const int length = chainLength[chain];
    if (length == 0) continue;
    sink.lineStrip(&edgePoints[offset].x, sizeof(EdgePoint), length, rgb);
    if (deformed) sink.lineStrip(&frameEdges[offset].x, sizeof(FrameEdge), length, rgb);
    offset += length;
  }
}

}  // namespace shakeplay
