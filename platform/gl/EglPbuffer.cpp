#include "platform/gl/EglPbuffer.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>

namespace gl {

std::unique_ptr<EglPbuffer> EglPbuffer::create(int width, int height, std::string& error, int depthBits,
                                               int alphaBits) {
  EGLDisplay display = eglGetPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
  if (display == EGL_NO_DISPLAY || eglInitialize(display, nullptr, nullptr) == EGL_FALSE) {
    error = "no EGL display on the surfaceless platform";
    return nullptr;
  }
  const EGLint configAttributes[] = {EGL_SURFACE_TYPE,
                                     EGL_PBUFFER_BIT,
                                     EGL_RENDERABLE_TYPE,
                                     EGL_OPENGL_BIT,
                                     EGL_RED_SIZE,
                                     8,
                                     EGL_GREEN_SIZE,
                                     8,
                                     EGL_BLUE_SIZE,
                                     8,
                                     EGL_DEPTH_SIZE,
                                     depthBits,
                                     EGL_ALPHA_SIZE,
                                     alphaBits,
                                     EGL_NONE};
  EGLConfig config = nullptr;
  EGLint found = 0;
  if (eglChooseConfig(display, configAttributes, &config, 1, &found) == EGL_FALSE || found < 1) {
    error = "no EGL configuration for an OpenGL pbuffer with depth";
    return nullptr;
  }
  const EGLint surfaceAttributes[] = {EGL_WIDTH, width, EGL_HEIGHT, height, EGL_NONE};
  std::unique_ptr<EglPbuffer> pbuffer(new EglPbuffer);
  pbuffer->display_ = display;
  pbuffer->width_ = width;
  pbuffer->height_ = height;
  pbuffer->surface_ = eglCreatePbufferSurface(display, config, surfaceAttributes);
  if (pbuffer->surface_ == EGL_NO_SURFACE) {
    error = "cannot create a " + std::to_string(width) + " x " + std::to_string(height) + " pbuffer";
    return nullptr;
  }
  if (eglBindAPI(EGL_OPENGL_API) == EGL_FALSE) {
    error = "EGL offers no desktop OpenGL";
    return nullptr;
  }
  pbuffer->context_ = eglCreateContext(display, config, EGL_NO_CONTEXT, nullptr);
  if (pbuffer->context_ == EGL_NO_CONTEXT) {
    error = "cannot create an OpenGL context";
    return nullptr;
  }
  if (!pbuffer->makeCurrent()) {
    error = "cannot make the OpenGL context current";
    return nullptr;
  }
  glViewport(0, 0, width, height);
  return pbuffer;
}

EglPbuffer::~EglPbuffer() {
  eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  if (context_ != nullptr) eglDestroyContext(display_, context_);
  if (surface_ != nullptr) eglDestroySurface(display_, surface_);
}

bool EglPbuffer::makeCurrent() { return eglMakeCurrent(display_, surface_, surface_, context_) == EGL_TRUE; }

void EglPbuffer::swapBuffers() { eglSwapBuffers(display_, surface_); }

std::vector<std::uint32_t> EglPbuffer::readPixels() const {
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* row = rgba.data() + static_cast<std::size_t>((height_ - 1 - y) * width_) * 4;
    for (int x = 0; x < width_; ++x) {
      const std::uint8_t* p = row + static_cast<std::size_t>(x) * 4;
      pixels[static_cast<std::size_t>(y * width_ + x)] =
          (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | std::uint32_t{p[2]};
    }
  }
  return pixels;
}

}  // namespace gl
