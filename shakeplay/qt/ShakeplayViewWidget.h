// The model view's window: mouse and keys into the navigation rules, their effects (cursor,
// pop-up menu, repaint) carried out, and the view drawn on the widget's context.
#pragma once

#include <QCursor>
#include <memory>

#include "shakeplay/qt/GlViewWidget.h"
#include "shakeplay/views/ShakeplayView.h"

namespace shakeplay {

class CShakeplayDoc;

class ShakeplayViewWidget final : public GlViewWidget {
 public:
  ShakeplayViewWidget(CShakeplayDoc& doc, FrameLinks& links, QWidget* parent);
  ~ShakeplayViewWidget() override;

  CShakeplayView& view() { return view_; }

 protected:
  void createView(bool haveContext) override;
  void sizeView(int w, int h) override;
  void paintView() override;

  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  class Window final : public ShakeplayViewHost {
   public:
    explicit Window(ShakeplayViewWidget& widget) : widget_(widget) {}
    bool makeCurrent() override { return widget_.makeDrawingCurrent(); }
    void swapBuffers() override { widget_.frameDrawn(); }
    void invalidate() override { widget_.paintLater(); }
    void postSizeAndPaint() override;
    void widenControlPanel() override;
    void repaintOrientationBox() override;

   private:
    ShakeplayViewWidget& widget_;
  };

  void carryOut(unsigned effects);
  void showMenu();

  Window window_{*this};
  CShakeplayView view_;
  QCursor zoomCursor_;
};

}  // namespace shakeplay
