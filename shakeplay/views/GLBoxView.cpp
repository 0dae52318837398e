#include "shakeplay/views/GLBoxView.h"

#include <GL/gl.h>

#include <array>
#include <initializer_list>
#include <utility>

#include "shakeplay/core/ShakeplayDoc.h"

namespace shakeplay {
namespace {

constexpr float kOutline = 47.0f;
constexpr float kCube = 8.333333f;
// The cube's edges are drawn slightly outside it so that they stay visible.
constexpr float kEdge = 8.458333f;
constexpr float kAxisEnd = 33.333332f;

using Vertex = std::array<float, 3>;

void vertices(GLenum mode, std::initializer_list<Vertex> points) {
  glBegin(mode);
  for (const Vertex& p : points) glVertex3f(p[0], p[1], p[2]);
  glEnd();
}

// A corner of the cube of half-size h: the signs of x, y and z.
Vertex corner(float h, int sx, int sy, int sz) {
  return {static_cast<float>(sx) * h, static_cast<float>(sy) * h, static_cast<float>(sz) * h};
}

void cube() {
  const float c = kCube;
  glColor3f(0.2f, 0.6f, 1.0f);
  vertices(GL_QUADS,
           {corner(c, -1, -1, 1),  corner(c, 1, -1, 1),  corner(c, 1, 1, 1),  corner(c, -1, 1, 1),   // front
            corner(c, -1, -1, -1), corner(c, -1, 1, -1), corner(c, 1, 1, -1), corner(c, 1, -1, -1),  // back
            corner(c, -1, -1, -1), corner(c, -1, -1, 1), corner(c, -1, 1, 1), corner(c, -1, 1, -1),  // left
            corner(c, 1, -1, -1),  corner(c, 1, 1, -1),  corner(c, 1, 1, 1),  corner(c, 1, -1, 1),   // right
            corner(c, -1, -1, -1), corner(c, 1, -1, -1), corner(c, 1, -1, 1), corner(c, -1, -1, 1),  // bottom
            corner(c, -1, 1, -1),  corner(c, -1, 1, 1),  corner(c, 1, 1, 1),  corner(c, 1, 1, -1)});  // top
}

void cubeEdgesAndAxes() {
  const float a = kEdge;
  // The top and right edges of the back face, the front face, and back to front.
  vertices(GL_LINE_STRIP, {corner(a, -1, 1, -1), corner(a, 1, 1, -1), corner(a, 1, -1, -1)});
  vertices(GL_LINE_LOOP,
           {corner(a, -1, -1, 1), corner(a, 1, -1, 1), corner(a, 1, 1, 1), corner(a, -1, 1, 1)});
  vertices(GL_LINES, {corner(a, -1, 1, -1), corner(a, -1, 1, 1), corner(a, 1, 1, -1), corner(a, 1, 1, 1),
                      corner(a, 1, -1, -1), corner(a, 1, -1, 1)});
  // The axes from the back lower left corner, which also draw the remaining cube edges.
  const Vertex origin = corner(a, -1, -1, -1);
  vertices(GL_LINES, {origin, {-a, -a, kAxisEnd}, origin, {-a, kAxisEnd, -a}, origin, {kAxisEnd, -a, -a}});
}

}  // namespace

CGLBoxView::CGLBoxView(const CShakeplayDoc& doc, GlSurface& surface, gl::GlyphSource glyphs)
    : COpenGLView(surface, std::move(glyphs)), doc_(doc) {}

void CGLBoxView::SetClearColour() {
  const std::array<float, 3>& back = doc_.result().backColour;
  glClearColor(back[0], back[1], back[2], 0.0f);
}

void CGLBoxView::OnPaint() {
  if (!ready() || !surface().makeCurrent()) return;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glColor3fv(doc_.result().lineColour());
  const float o = kOutline;
  vertices(GL_LINE_LOOP, {{-o, -o, 0.0f}, {o, -o, 0.0f}, {o, o, 0.0f}, {-o, o, 0.0f}});

  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  rotation = doc_.rotation();
  glMultMatrixf(rotation.data());
  cube();
  glColor3fv(doc_.result().lineColour());
  cubeEdgesAndAxes();
  const float a = kEdge;
  glRasterPos3f(kAxisEnd, -a, -a);
  gl::drawListText(fontBase, "X");
  glRasterPos3f(-a, kAxisEnd, -a);
  gl::drawListText(fontBase, "Y");
  glRasterPos3f(-a, -a, kAxisEnd);
  gl::drawListText(fontBase, "Z");
  glPopMatrix();
  glFlush();
  surface().swapBuffers();
}

}  // namespace shakeplay
