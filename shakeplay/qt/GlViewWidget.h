// The base of shakeplay's OpenGL widgets. A view draws when it must (inside a timer tick, on a
// rotation) with the context made current at once; the finished frame then only has to be put
// on the screen, so the paint that follows shows it instead of drawing it again. Paints that
// Qt asks for on its own (exposure, resize) draw.
#pragma once

#include <QOpenGLWidget>

#include "shakeplay/views/GlSurface.h"

namespace shakeplay {

class FrameLinks;

class GlViewWidget : public QOpenGLWidget {
 public:
  GlViewWidget(int depthBits, FrameLinks& links, QWidget* parent);

  // The context current with the widget's framebuffer bound; false without a usable context.
  bool makeDrawingCurrent();
  // A frame was drawn: outside a paint, have it shown.
  void frameDrawn();
  // Draw again later.
  void paintLater();
  // One pixel wider and back: the view lays out and projects again.
  void nudgeWidth();

 protected:
  void initializeGL() final;
  void resizeGL(int w, int h) final;
  void paintGL() final;

  virtual void createView(bool haveContext) = 0;
  virtual void sizeView(int w, int h) = 0;
  virtual void paintView() = 0;

  FrameLinks& links() { return links_; }
  // makeDrawingCurrent and frameDrawn as a surface for a view.
  GlSurface& surface() { return surface_; }

 private:
  class Surface final : public GlSurface {
   public:
    explicit Surface(GlViewWidget& widget) : widget_(widget) {}
    bool makeCurrent() override { return widget_.makeDrawingCurrent(); }
    void swapBuffers() override { widget_.frameDrawn(); }

   private:
    GlViewWidget& widget_;
  };

  FrameLinks& links_;
  Surface surface_{*this};
  bool haveContext_ = false;
  bool painting_ = false;
  bool frameWaiting_ = false;  // drawn outside a paint and not yet shown
};

}  // namespace shakeplay
