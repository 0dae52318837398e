// The model view's drawing: OpenGL state, projection and the render routine, on any surface
// with a current context; the document's background once the first frame is up, and the
// orientation box kept in step with every turn of the model. Navigation rules live in
// ViewNavigation; the host turns mouse and keys into its calls and carries out the effects it
// returns.
#pragma once

#include <optional>
#include <vector>

#include "shakeplay/core/SceneRenderer.h"
#include "shakeplay/navigation/Matrix4.h"
#include "shakeplay/navigation/ViewNavigation.h"
#include "shakeplay/reduction/ReducedLevels.h"
#include "shakeplay/views/GlSurface.h"
#include "shakeplay/views/VertexArraySink.h"

namespace shakeplay {

class CShakeplayDoc;

// What the model view asks of its host (the window, or a pbuffer) and, through the
// application, of the other windows.
class ShakeplayViewHost : public GlSurface {
 public:
  // A paint (RenderScene) later.
  virtual void invalidate() = 0;
  // A size message with the host's current size, then a paint, both later.
  virtual void postSizeAndPaint() = 0;
  // The control panel's window one pixel wider, so that it lays itself out again.
  virtual void widenControlPanel() = 0;
  // The orientation box repainted at once.
  virtual void repaintOrientationBox() = 0;
};

class CShakeplayView final : public SceneRenderer {
 public:
  CShakeplayView(CShakeplayDoc& doc, ShakeplayViewHost& host);

  // With the host's context current: clear colour, OpenGL state. Without a context the view
  // stays empty and draws nothing.
  void CreateContext(bool haveContext);
  bool hasContext() const { return hasContext_; }
  void OnSize(int w, int h);
  void RenderScene() override;
  void motionEnded() override;
  // Carries out the effects of a navigation input that concern the view (repaint, orientation).
  void Apply(unsigned effects);
  // While the animation plays or a drag is under way, the view draws a reduced mesh where that
  // costs less; the still picture is always the full one.
  bool moving() const;
  bool drewReduced() const { return reducedTriangles_ > 0; }
  // The triangles of the reduced mesh drawn last; 0 when the last render drew the full mesh.
  std::size_t reducedTriangles() const { return reducedTriangles_; }
  // How many units of the model one pixel spans at the last render.
  float pixelInModelUnits() const;

  void SetClearColour();
  void InitGLState();
  void LoadViewMatrix();
  void NotifyOrientation();

  ViewNavigation navigation;
  Matrix4 modelviewMatrix = identity4();
  int renderCount = 0;

 private:
  void applyProjection();
  // The shown triangles: reduced while moving, when that is worth it.
  void drawModel();

  CShakeplayDoc& doc_;
  ShakeplayViewHost& host_;
  VertexArraySink sink_;
  bool hasContext_ = false;
  std::optional<ReducedLevels> reduced_;
  std::vector<FramePoint> reducedPoints_;
  std::size_t reducedTriangles_ = 0;
};

}  // namespace shakeplay
