#include "shakeplay/views/ShakeplayView.h"

#include <GL/gl.h>

#include "shakeplay/core/ShakeplayDoc.h"

namespace shakeplay {

CShakeplayView::CShakeplayView(CShakeplayDoc& doc, ModelViewWindow& window) : CHmView(doc, window), doc_(doc) {}

void CShakeplayView::SetClearColour() {
  glClearColor(doc_.backColour[0], doc_.backColour[1], doc_.backColour[2], 0.0f);
}

void CShakeplayView::NotifyOrientation() { window().repaintOrientationBox(); }

void CShakeplayView::RenderScene() {
  const bool first = renderCount == 0;
  CHmView::RenderScene();
  if (first && renderCount == 1) window().invalidate();
}

}  // namespace shakeplay
