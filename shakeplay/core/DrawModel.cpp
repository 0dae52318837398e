// The primitives of the current state: coloured triangles, then the edge polylines.
#include "shakeplay/core/SceneRenderer.h"
#include "shakeplay/core/ShakeplayDoc.h"

namespace shakeplay {

void CShakeplayDoc::DrawModel(bool edgesOnly, PrimitiveSink& sink) const {
  const LoadedResult& r = result_;
  const FramePoint* points = animation_.points().data();
  if (!edgesOnly) {
    // One call per run of shown triangles (all of them, unless some were hidden).
    int t = 0;
    while (t < r.triangleCount) {
      while (t < r.triangleCount && r.triangleShown[t] == 0) ++t;
      const int first = t;
      while (t < r.triangleCount && r.triangleShown[t] != 0) ++t;
      if (t > first) {
        sink.colouredTriangles(points, r.triangles.data() + 3 * static_cast<std::ptrdiff_t>(first),
                               3 * static_cast<std::size_t>(t - first));
      }
    }
  }
  const float* rgb = r.lineColour();
  const FrameEdge* edges = animation_.edges().data();
  int offset = 0;
  for (int chain = 0; chain < r.chainCount; ++chain) {
    const int length = r.chainLength[chain];
    if (length == 0) continue;
    sink.lineStrip(&r.edgePoints[offset].x, sizeof(EdgePoint), length, rgb);
    if (animation_.deformed()) sink.lineStrip(&edges[offset].x, sizeof(FrameEdge), length, rgb);
    offset += length;
  }
}

}  // namespace shakeplay
