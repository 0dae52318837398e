#include "shakeplay/qt/OpenGLSupport.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>

namespace shakeplay {

QSurfaceFormat viewFormat(int depthBits) {
  QSurfaceFormat format;
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setVersion(2, 1);
  format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  format.setRedBufferSize(8);
  format.setGreenBufferSize(8);
  format.setBlueBufferSize(8);
  format.setAlphaBufferSize(0);
  format.setStencilBufferSize(0);
  format.setDepthBufferSize(depthBits);
  return format;
}

bool platformShowsWindows() {
  const QString platform = QGuiApplication::platformName();
  return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

std::string openGLUnavailable() {
  if (!platformShowsWindows()) {
    return "the platform \"" + QGuiApplication::platformName().toStdString() + "\" shows no OpenGL windows";
  }
  QOpenGLContext context;
  context.setFormat(viewFormat(32));
  if (!context.create()) return "no OpenGL rendering context can be created";
  QOffscreenSurface surface;
  surface.setFormat(context.format());
  surface.create();
  if (!context.makeCurrent(&surface)) return "the OpenGL rendering context cannot be made current";
  context.doneCurrent();
  return {};
}

}  // namespace shakeplay
