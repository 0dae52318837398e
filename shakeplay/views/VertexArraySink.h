// DrawModel's primitives as OpenGL vertex arrays read straight from the document's records:
// one glDrawElements per run of triangles, one glDrawArrays per line strip, no copy and no
// call per triangle.
#pragma once

#include "shakeplay/core/SceneRenderer.h"

namespace shakeplay {

class VertexArraySink final : public PrimitiveSink {
 public:
  void colouredTriangles(const FramePoint* points, const int* corners, std::size_t cornerCount) override;
  void lineStrip(const float* firstXyz, std::size_t strideBytes, int count, const float* rgb) override;
};

}  // namespace shakeplay
