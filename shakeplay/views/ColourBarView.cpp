#include "shakeplay/views/ColourBarView.h"

#include <GL/gl.h>

#include <utility>

#include "platform/FormatText.h"
#include "shakeplay/core/ShakeplayDoc.h"

namespace shakeplay {

const BandColours kBandColours{{{0.0f, 0.05f, 1.0f},
                                {0.0f, 0.33f, 1.0f},
                                {0.0f, 0.67f, 1.0f},
                                {0.0f, 1.0f, 1.0f},
                                {0.0f, 1.0f, 0.67f},
                                {0.0f, 1.0f, 0.33f},
                                {0.0f, 1.0f, 0.0f},
                                {0.33f, 1.0f, 0.0f},
                                {0.67f, 1.0f, 0.0f},
                                {1.0f, 1.0f, 0.0f},
                                {1.0f, 0.67f, 0.0f},
                                {1.0f, 0.33f, 0.0f},
                                {1.0f, 0.0f, 0.0f},
                                {1.0f, 0.0f, 0.33f},
                                {1.0f, 0.0f, 0.67f},
                                {1.0f, 0.0f, 1.0f}}};

namespace {

constexpr float kLineGrey = 0.9843f;

void horizontalLine(int w, double y) {
  glBegin(GL_LINES);
  glVertex2d(-(w / 2), y);
  glVertex2d(w / 2, y);
  glEnd();
}

}  // namespace

CColourBarView::CColourBarView(const CShakeplayDoc& doc, GlSurface& surface, gl::GlyphSource glyphs)
    : doc_(doc), surface_(surface), glyphs_(std::move(glyphs)) {}

CColourBarView::~CColourBarView() { gl::deleteFontLists(fontBase); }

void CColourBarView::OnCreate(bool haveContext) {
  ready_ = haveContext;
  if (!ready_) return;
  const std::array<float, 3>& back = doc_.result().backColour;
  glClearColor(back[0], back[1], back[2], 0.0f);
  glClearDepth(1.0);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glShadeModel(GL_SMOOTH);
  // "Ariel", so spelt, is the face the program has always asked for; the platform maps it to a real one.
  fontBase = gl::buildBitmapFont(glyphs_, "Ariel");
}

void CColourBarView::OnSize(int w, int h) {
  if (skipNextSize != 0) {
    skipNextSize = 0;
  } else {
    width = w;
    height = h;
  }
  if (!ready_ || !surface_.makeCurrent()) return;
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-(width / 2), width / 2, -(height / 2), height / 2, -width, width);
  glMatrixMode(GL_MODELVIEW);
}

double CColourBarView::LabelX(int i) const {
  const double b = width / 16.0;
  const double rightEdge = 2 * i * b - width / 2 + (b - 2.0);
  return rightEdge - labelOffset;
}

std::string CColourBarView::LabelText(int i) const {
  const LoadedResult& result = doc_.result();
  const float value = result.rangeMin + static_cast<float>(i) * (result.rangeMax - result.rangeMin) / 7.0f;
  return platform::formatText("%10.3e", static_cast<double>(value));
}

void CColourBarView::OnPaint() {
  if (!ready_ || !surface_.makeCurrent()) return;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  const int w = width, h = height;
  const double b = w / 16.0;
  glBegin(GL_QUADS);
  for (int i = 0; i < kColourBands; ++i) {
    const double left = i * b - w / 2;
    glColor3fv(kBandColours[static_cast<std::size_t>(i)].data());
    glVertex2d(left, -1.0);
    glVertex2d(left + (b - 2.0), -1.0);
    glVertex2d(left + (b - 2.0), h / 2 - 3);
    glVertex2d(left, h / 2 - 3);
  }
  glEnd();
  glColor3f(kLineGrey, kLineGrey, kLineGrey);
  horizontalLine(w, h / 2 - 0.5);
  horizontalLine(w, 0.5 - h / 2);
  glColor3fv(doc_.result().edgeColourOnWhite.data());
  horizontalLine(w, 1.5 - h / 2);
  glColor3fv(doc_.result().lineColour());  // readable on a white background too
  for (int i = 0; i < kLabels; ++i) {
    glRasterPos2d(LabelX(i), 3 - h / 2);
    gl::drawListText(fontBase, LabelText(i).c_str());
  }
  glPopMatrix();
  glFlush();
  surface_.swapBuffers();
}

}  // namespace shakeplay
