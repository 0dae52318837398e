// The orientation box: a cube with three labelled axes, turned as the model is turned, inside a
// square outline, in a small pixel-true view.
#pragma once

#include "shakeplay/navigation/Matrix4.h"
#include "shakeplay/views/OpenGLView.h"

namespace shakeplay {

class CShakeplayDoc;

class CGLBoxView final : public COpenGLView {
 public:
  CGLBoxView(const CShakeplayDoc& doc, GlSurface& surface, gl::GlyphSource glyphs);

  void SetClearColour() override;
  // Draws the box for the document's current rotation and shows it.
  void OnPaint();

  // The document's rotation as of the last paint.
  Matrix4 rotation = identity4();

 private:
  const CShakeplayDoc& doc_;
};

}  // namespace shakeplay
