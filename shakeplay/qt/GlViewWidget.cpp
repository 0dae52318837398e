#include "shakeplay/qt/GlViewWidget.h"

#include <QOpenGLContext>

#include "shakeplay/qt/FrameLinks.h"
#include "shakeplay/qt/OpenGLSupport.h"

namespace shakeplay {

GlViewWidget::GlViewWidget(int depthBits, FrameLinks& links, QWidget* parent)
    : QOpenGLWidget(parent), links_(links) {
  setFormat(viewFormat(depthBits));
  // The framebuffer keeps what was drawn between paints: a frame drawn in a tick is shown as is.
  setUpdateBehavior(QOpenGLWidget::PartialUpdate);
}

bool GlViewWidget::makeDrawingCurrent() {
  if (!haveContext_) return false;
  makeCurrent();
  return QOpenGLContext::currentContext() == context();
}

void GlViewWidget::frameDrawn() {
  if (painting_) return;  // Qt shows it when the paint ends
  frameWaiting_ = true;
  update();
}

void GlViewWidget::paintLater() {
  frameWaiting_ = false;
  update();
}

void GlViewWidget::nudgeWidth() {
  resize(width() + 1, height());
  resize(width() - 1, height());
}

void GlViewWidget::initializeGL() {
  haveContext_ = context() != nullptr && context()->isValid();
  createView(haveContext_);
  if (!haveContext_) links_.openGLFailed("a view has no OpenGL rendering context");
}

void GlViewWidget::resizeGL(int w, int h) {
  frameWaiting_ = false;  // the framebuffer is new and empty
  sizeView(w, h);
}

void GlViewWidget::paintGL() {
  if (frameWaiting_) {
    frameWaiting_ = false;
    return;
  }
  painting_ = true;
  paintView();
  painting_ = false;
}

}  // namespace shakeplay
