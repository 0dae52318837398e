// The OpenGL the views ask the window system for, and whether it can give it.
#pragma once

#include <QSurfaceFormat>
#include <string>

namespace shakeplay {

// Compatibility profile 2.1, double-buffered, 8-bit RGB without alpha or stencil, with
// `depthBits` of depth.
QSurfaceFormat viewFormat(int depthBits);

// Whether the platform shows windows a user can see (and answer): not offscreen or minimal.
bool platformShowsWindows();

// Why the views cannot have OpenGL here, or empty when they can: the platform must show
// OpenGL windows (not offscreen, minimal or eglfs, where OpenGL widgets crash) and give a
// context that can be made current.
std::string openGLUnavailable();

}  // namespace shakeplay
