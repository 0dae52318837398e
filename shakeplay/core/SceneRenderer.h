// The interfaces the views implement: the renderer (the model view) that the document has draw
// its current state on every tick, and the receiver of the primitives that DrawModel emits (the
// GL view turns them into OpenGL calls; tests record them).
#pragma once

#include <cstddef>

#include "shakeplay/core/Records.h"

namespace shakeplay {

class SceneRenderer {
 public:
  virtual ~SceneRenderer() = default;
  // Draws the document's current state at once (inside the caller's tick).
  virtual void RenderScene() = 0;
  // The animation has stopped: a picture drawn lighter while it played is drawn again in full.
  virtual void motionEnded() {}
};

class PrimitiveSink {
 public:
  virtual ~PrimitiveSink() = default;
  // Triangles, three corners each: for every corner its colour (red, green, blue of the point)
  // and then its vertex (x, y, z of the point). `corners` are indices into `points`.
  virtual void colouredTriangles(const FramePoint* points, const int* corners, std::size_t cornerCount) = 0;
  // One line strip in one colour through `count` points; each point's x, y, z are three floats
  // that start `strideBytes` after the previous point's.
  virtual void lineStrip(const float* firstXyz, std::size_t strideBytes, int count, const float* rgb) = 0;
};

}  // namespace shakeplay
