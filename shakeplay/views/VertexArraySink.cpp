#include "shakeplay/views/VertexArraySink.h"

#include <GL/gl.h>

namespace shakeplay {

void VertexArraySink::colouredTriangles(const FramePoint* points, const int* corners,
                                        std::size_t cornerCount) {
  // The colours are opaque (alpha 1): blending would give the same pixels at a cost per pixel.
  const GLboolean blending = glIsEnabled(GL_BLEND);
  glDisable(GL_BLEND);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  glVertexPointer(3, GL_FLOAT, sizeof(FramePoint), &points->x);
  glColorPointer(3, GL_FLOAT, sizeof(FramePoint), &points->red);
  glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(cornerCount), GL_UNSIGNED_INT, corners);
  glDisableClientState(GL_COLOR_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
  if (blending == GL_TRUE) glEnable(GL_BLEND);
}

void VertexArraySink::lineStrip(const float* firstXyz, std::size_t strideBytes, int count, const float* rgb) {
  glColor3fv(rgb);
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(3, GL_FLOAT, static_cast<GLsizei>(strideBytes), firstXyz);
  glDrawArrays(GL_LINE_STRIP, 0, count);
  glDisableClientState(GL_VERTEX_ARRAY);
}

}  // namespace shakeplay
