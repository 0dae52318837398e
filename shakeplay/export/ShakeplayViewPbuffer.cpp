#include "shakeplay/export/ShakeplayViewPbuffer.h"

#include <GL/gl.h>

#include <cstring>

#include "shakeplay/core/ShakeplayDoc.h"

namespace shakeplay::exporting {
namespace {

Matrix4 turnMatrix(const ViewTurn& turn) {
  switch (turn.axis) {
    case 'x':
      return rotation(turn.degrees, 1.0f, 0.0f, 0.0f);
    case 'y':
      return rotation(turn.degrees, 0.0f, 1.0f, 0.0f);
    default:
      return rotation(turn.degrees, 0.0f, 0.0f, 1.0f);
  }
}

}  // namespace

std::unique_ptr<ShakeplayViewPbuffer> ShakeplayViewPbuffer::create(CShakeplayDoc& doc, int width, int height,
                                                                   std::string& error) {
  std::unique_ptr<gl::EglPbuffer> pbuffer =
      gl::EglPbuffer::create(width, height, error, kModelViewDepthBits, kModelViewAlphaBits);
  if (!pbuffer) return nullptr;
  return std::unique_ptr<ShakeplayViewPbuffer>(new ShakeplayViewPbuffer(doc, std::move(pbuffer)));
}

ShakeplayViewPbuffer::ShakeplayViewPbuffer(CShakeplayDoc& doc, std::unique_ptr<gl::EglPbuffer> pbuffer)
    : doc_(doc), pbuffer_(std::move(pbuffer)), window_(*pbuffer_), view_(doc, window_) {}

ShakeplayViewPbuffer::~ShakeplayViewPbuffer() {
  if (doc_.renderer() == &view_) doc_.setRenderer(nullptr);
}

void ShakeplayViewPbuffer::startUp(const std::vector<ViewTurn>& turns) {
  const int w = pbuffer_->width(), h = pbuffer_->height();
  view_.CreateContext(pbuffer_->makeCurrent());
  view_.OnSize(w, h);
  view_.RenderScene();
  view_.OnSize(w, h);
  view_.RenderScene();
  // Each turn about the screen's axes, the newest factor on the left as a drag applies it.
  for (const ViewTurn& turn : turns) {
    view_.navigation.rotationMatrix = multiply(turnMatrix(turn), view_.navigation.rotationMatrix);
  }
  doc_.setRenderer(&view_);
}

void ShakeplayViewPbuffer::readInto(FrameImage& frame) {
  const int w = pbuffer_->width(), h = pbuffer_->height();
  const std::size_t rowBytes = static_cast<std::size_t>(w) * 3;
  rows_.resize(rowBytes * static_cast<std::size_t>(h));
  pbuffer_->makeCurrent();
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, rows_.data());
  for (int y = 0; y < h; ++y) {
    std::memcpy(frame.row(y), rows_.data() + static_cast<std::size_t>(h - 1 - y) * rowBytes, rowBytes);
  }
}

}  // namespace shakeplay::exporting
