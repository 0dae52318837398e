// The orientation box's window: the box view on a small OpenGL widget; Escape closes it.
#pragma once

#include "shakeplay/qt/GlViewWidget.h"
#include "shakeplay/views/GLBoxView.h"

namespace shakeplay {

class BoxWidget final : public GlViewWidget {
 public:
  BoxWidget(const CShakeplayDoc& doc, FrameLinks& links, QWidget* parent);
  ~BoxWidget() override;

  CGLBoxView& view() { return view_; }
  // Draws the box at once for the document's rotation.
  void repaintNow();

 protected:
  void createView(bool haveContext) override;
  void sizeView(int w, int h) override;
  void paintView() override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  CGLBoxView view_;
};

}  // namespace shakeplay
