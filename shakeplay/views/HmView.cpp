#include "shakeplay/views/HmView.h"

#include <GL/gl.h>

#include "shakeplay/core/HmDoc.h"

namespace shakeplay {

CHmView::CHmView(CHmDoc& doc, ModelViewWindow& window) : navigation(doc), doc_(doc), window_(window) {}

void CHmView::CreateContext(bool haveContext) {
  hasContext_ = haveContext;
  if (!hasContext_) return;
  const auto& clear = doc_.initialClearColour;
  glClearColor(clear[0], clear[1], clear[2], 0.0f);
  InitGLState();
  InitLighting();
}

void CHmView::SetClearColour() {
  const auto& clear = doc_.initialClearColour;
  glClearColor(clear[0], clear[1], clear[2], 0.0f);
}

void CHmView::InitGLState() {
  // The back buffer of a window's own framebuffer; a framebuffer object draws to its colour
  // attachment already.
  GLint framebuffer = 0;
  glGetIntegerv(GL_FRAMEBUFFER_BINDING, &framebuffer);
  if (framebuffer == 0) glDrawBuffer(GL_BACK);
  glEnable(GL_DEPTH_TEST);
  glClearDepth(1.0);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glEnable(GL_POINT_SMOOTH);
  glEnable(GL_LINE_SMOOTH);
}

void CHmView::LoadViewMatrix() {
  navigation.loadViewMatrix();
  window_.invalidate();
}

void CHmView::ApplyProjection() {
  const auto box = navigation.takeProjection();
  if (!box) return;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(box->left, box->right, box->bottom, box->top, box->nearZ, box->farZ);
  glMatrixMode(GL_MODELVIEW);
}

void CHmView::OnSize(int w, int h) {
  navigation.resize(w, h);
  if (!hasContext_ || !window_.makeCurrent()) return;
  glViewport(0, 0, navigation.width, navigation.height);
  ApplyProjection();
}

void CHmView::RenderScene() {
  if (!hasContext_ || !window_.makeCurrent()) return;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  if (renderCount == 0) LoadViewMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glMultMatrixf(navigation.panMatrix.data());
  glMultMatrixf(navigation.rotationMatrix.data());
  doc_.rotation = navigation.rotationMatrix;
  glGetFloatv(GL_MODELVIEW_MATRIX, modelviewMatrix.data());
  ApplyProjection();
  if (doc_.litMode != 0) {
    doc_.DrawLitModel(sink_);
  } else {
    doc_.DrawModel(navigation.edgesOnly, sink_);
  }
  glPopMatrix();
  glFlush();
  window_.swapBuffers();
  if (renderCount == 0) {
    window_.postSizeAndPaint();
    NotifyFirstFrame();
    SetClearColour();
    navigation.skipNextSize = 1;
  } else if (renderCount == 1) {
    window_.widenControlPanel();
    NotifyOrientation();
  }
  ++renderCount;
}

void CHmView::Apply(unsigned effects) {
  if (effects & effect::kNotifyOrientation) {
    // The box shows the turn just made, not the one of the last render.
    doc_.rotation = navigation.rotationMatrix;
    NotifyOrientation();
  }
  if (effects & effect::kInvalidate) window_.invalidate();
}

}  // namespace shakeplay
