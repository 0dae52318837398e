// The model view's drawing: OpenGL state, projection and the render routine, on any surface
// with a current context. Navigation rules live in ViewNavigation; the window turns mouse and
// keys into its calls and carries out the effects it returns.
#pragma once

#include "shakeplay/core/ModelView.h"
#include "shakeplay/navigation/Matrix4.h"
#include "shakeplay/navigation/ViewNavigation.h"
#include "shakeplay/views/GlSurface.h"
#include "shakeplay/views/VertexArraySink.h"

namespace shakeplay {

class CHmDoc;

// What the model view asks of its window and, through the application, of the other windows.
class ModelViewWindow : public GlSurface {
 public:
  // A paint (RenderScene) later.
  virtual void invalidate() = 0;
  // A size message with the window's current size, then a paint, both later.
  virtual void postSizeAndPaint() = 0;
  // The control panel's window one pixel wider, so that it lays itself out again.
  virtual void widenControlPanel() = 0;
  // The orientation box repainted at once.
  virtual void repaintOrientationBox() = 0;
};

class CHmView : public ModelView {
 public:
  CHmView(CHmDoc& doc, ModelViewWindow& window);

  // With the window's context current: clear colour, OpenGL state and lighting. Without a
  // context the view stays empty and draws nothing.
  void CreateContext(bool haveContext);
  bool hasContext() const { return hasContext_; }
  void OnSize(int w, int h);
  void RenderScene() override;
  // Carries out the effects of a navigation input that concern the view (repaint, orientation).
  void Apply(unsigned effects);

  virtual bool InitLighting() { return true; }
  virtual void SetClearColour();
  virtual void InitGLState();
  virtual void LoadViewMatrix();
  virtual void NotifyOrientation() {}
  virtual void NotifyFirstFrame() {}

  ViewNavigation navigation;
  Matrix4 modelviewMatrix = identity4();
  int renderCount = 0;

 protected:
  ModelViewWindow& window() { return window_; }

 private:
  void ApplyProjection();

  CHmDoc& doc_;
  ModelViewWindow& window_;
  VertexArraySink sink_;
  bool hasContext_ = false;
};

}  // namespace shakeplay
