#include "shakeplay/qt/ColourBarWidget.h"

#include "platform/gl/FontGlyphs.h"

namespace shakeplay {

ColourBarWidget::ColourBarWidget(const CShakeplayDoc& doc, FrameLinks& links, QWidget* parent)
    : GlViewWidget(32, links, parent), view_(doc, surface(), gl::fontGlyphs) {}

ColourBarWidget::~ColourBarWidget() {
  // The font lists are deleted in the widget's own context.
  makeCurrent();
}

void ColourBarWidget::createView(bool haveContext) { view_.OnCreate(haveContext); }

void ColourBarWidget::sizeView(int w, int h) { view_.OnSize(w, h); }

void ColourBarWidget::paintView() { view_.OnPaint(); }

}  // namespace shakeplay
