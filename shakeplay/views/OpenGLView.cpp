#include "shakeplay/views/OpenGLView.h"

#include <GL/gl.h>

#include <utility>

namespace shakeplay {
namespace {

std::string identification(GLenum name) {
  while (glGetError() != GL_NO_ERROR) {
  }
  const GLubyte* text = glGetString(name);
  if (glGetError() != GL_NO_ERROR || text == nullptr) return kNoInformation;
  return reinterpret_cast<const char*>(text);
}

}  // namespace

int acceleratorClassOf(const std::string& renderer) {
  for (const char* software : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"}) {
    if (renderer.find(software) != std::string::npos) return 0;
  }
  return 2;
}

COpenGLView::COpenGLView(GlSurface& surface, gl::GlyphSource glyphs)
    : surface_(surface), glyphs_(std::move(glyphs)) {}

COpenGLView::~COpenGLView() { gl::deleteFontLists(fontBase); }

void COpenGLView::RecordError(GlError error) {
  if (errorText == kGlErrorTexts[kNoError]) errorText = kGlErrorTexts[error];
}

bool COpenGLView::InitializeOpenGL(GlError windowSystemError) {
  if (windowSystemError != kNoError) {
    RecordError(windowSystemError);
    return false;
  }
  glVendor = identification(GL_VENDOR);
  glRenderer = identification(GL_RENDERER);
  glVersion = identification(GL_VERSION);
  glExtensions = identification(GL_EXTENSIONS);
  accelClass = acceleratorClassOf(glRenderer);
  BuildBitmapFont(std::string());
  SetClearColour();
  glClearDepth(1.0);
  glEnable(GL_DEPTH_TEST);
  ready_ = true;
  return true;
}

bool COpenGLView::BuildBitmapFont(const std::string& face) {
  gl::deleteFontLists(fontBase);
  fontBase = gl::buildBitmapFont(glyphs_, face);
  return fontBase != 0;
}

void COpenGLView::SetClearColour() { glClearColor(0.0f, 0.0f, 0.0f, 0.0f); }

void COpenGLView::SetViewport(int w, int h) { glViewport(0, 0, w, h); }

void COpenGLView::OnSize(int w, int h) {
  if (w <= 0 || h <= 0 || !ready_ || !surface_.makeCurrent()) return;
  SetViewport(w, h);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-(w / 2), w / 2, -(h / 2), h / 2, -w, w);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

}  // namespace shakeplay
