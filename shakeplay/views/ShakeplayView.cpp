#include "shakeplay/views/ShakeplayView.h"

#include <GL/gl.h>

#include <array>
#include <cmath>

#include "shakeplay/core/ShakeplayDoc.h"

namespace shakeplay {
namespace {

// Dark blue until the first frame is up; then the document's background.
constexpr std::array<float, 3> kInitialClearColour{0.0f, 0.0f, 0.5411f};

}  // namespace

CShakeplayView::CShakeplayView(CShakeplayDoc& doc, ShakeplayViewHost& host)
    : navigation(doc.result().framing), doc_(doc), host_(host) {}

void CShakeplayView::CreateContext(bool haveContext) {
  hasContext_ = haveContext;
  if (!hasContext_) return;
  glClearColor(kInitialClearColour[0], kInitialClearColour[1], kInitialClearColour[2], 0.0f);
  InitGLState();
}

void CShakeplayView::SetClearColour() {
  const std::array<float, 3>& back = doc_.result().backColour;
  glClearColor(back[0], back[1], back[2], 0.0f);
}

void CShakeplayView::InitGLState() {
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

void CShakeplayView::LoadViewMatrix() {
  navigation.loadViewMatrix();
  host_.invalidate();
}

void CShakeplayView::NotifyOrientation() { host_.repaintOrientationBox(); }

void CShakeplayView::applyProjection() {
  const auto box = navigation.takeProjection();
  if (!box) return;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(box->left, box->right, box->bottom, box->top, box->nearZ, box->farZ);
  glMatrixMode(GL_MODELVIEW);
}

void CShakeplayView::OnSize(int w, int h) {
  navigation.resize(w, h);
  if (!hasContext_ || !host_.makeCurrent()) return;
  glViewport(0, 0, navigation.width, navigation.height);
  applyProjection();
}

void CShakeplayView::RenderScene() {
  if (!hasContext_ || !host_.makeCurrent()) return;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  if (renderCount == 0) LoadViewMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glMultMatrixf(navigation.panMatrix.data());
  glMultMatrixf(navigation.rotationMatrix.data());
  doc_.setRotation(navigation.rotationMatrix);
  glGetFloatv(GL_MODELVIEW_MATRIX, modelviewMatrix.data());
  applyProjection();
  drawModel();
  glPopMatrix();
  glFlush();
  host_.swapBuffers();
  if (renderCount == 0) {
    host_.postSizeAndPaint();
    SetClearColour();
    navigation.skipNextSize = 1;
  } else if (renderCount == 1) {
    host_.widenControlPanel();
    NotifyOrientation();
  }
  ++renderCount;
  // The first frame is painted once more, on the document's background.
  if (renderCount == 1) host_.invalidate();
}

bool CShakeplayView::moving() const {
  return doc_.playing() || navigation.zooming != 0 || navigation.panning != 0 || navigation.rotating != 0;
}

float CShakeplayView::pixelInModelUnits() const {
  if (navigation.width <= 0) return 0.0f;
  const OrthoBox box = navigation.projection();
  // The model view's scale: the length of a model unit along x in eye space.
  const float scale = std::hypot(modelviewMatrix[0], modelviewMatrix[1], modelviewMatrix[2]);
  return static_cast<float>((box.right - box.left) / navigation.width) / scale;
}

void CShakeplayView::drawModel() {
  reducedTriangles_ = 0;
  if (moving() && !navigation.edgesOnly) {
    if (!reduced_) reduced_.emplace(doc_.result());
    if (const ReducedMesh* mesh = reduced_->forPixel(pixelInModelUnits())) {
      gatherPoints(doc_.animation().points(), mesh->points, reducedPoints_);
      sink_.colouredTriangles(reducedPoints_.data(), mesh->triangles.data(), mesh->triangles.size());
      doc_.DrawModel(true, sink_);  // the edges, as ever
      reducedTriangles_ = mesh->triangles.size() / 3;
      return;
    }
  }
  doc_.DrawModel(navigation.edgesOnly, sink_);
}

void CShakeplayView::motionEnded() {
  if (drewReduced() && !moving()) host_.invalidate();
}

void CShakeplayView::Apply(unsigned effects) {
  if (effects & effect::kNotifyOrientation) {
    // The box shows the turn just made, not the one of the last render.
    doc_.setRotation(navigation.rotationMatrix);
    NotifyOrientation();
  }
  if (effects & effect::kInvalidate) host_.invalidate();
  motionEnded();  // a drag that has just ended leaves the still picture
}

}  // namespace shakeplay
