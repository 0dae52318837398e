#include "shakeplay/qt/BoxWidget.h"

#include <QKeyEvent>

#include "platform/gl/FontGlyphs.h"
#include "shakeplay/qt/FrameLinks.h"

namespace shakeplay {

BoxWidget::BoxWidget(const CShakeplayDoc& doc, FrameLinks& links, QWidget* parent)
    : GlViewWidget(16, links, parent), view_(doc, surface(), gl::fontGlyphs) {
  setFocusPolicy(Qt::ClickFocus);
}

BoxWidget::~BoxWidget() {
  // The font lists are deleted in the widget's own context.
  makeCurrent();
}

void BoxWidget::repaintNow() { view_.OnPaint(); }

void BoxWidget::createView(bool haveContext) {
  view_.InitializeOpenGL(haveContext ? kNoError : kCreateContext);
}

void BoxWidget::sizeView(int w, int h) { view_.OnSize(w, h); }

void BoxWidget::paintView() {
  view_.OnPaint();
  links().orientationBoxPainted();
}

void BoxWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    links().closeOrientationBox();
  } else if (event->key() == Qt::Key_F1) {
    links().showAbout();
  } else {
    QOpenGLWidget::keyPressEvent(event);
  }
}

}  // namespace shakeplay
