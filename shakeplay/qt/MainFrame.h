// The main window: fixed size, no menus, the document's title as caption, and its four
// children at their fixed places (model view, colour bar, control panel, orientation box),
// stacked by the z-order rules.
#pragma once

#include <QWidget>

#include "platform/ui/Geometry.h"
#include "shakeplay/app/StackingOrder.h"
#include "shakeplay/qt/FrameLinks.h"

namespace shakeplay {

class BoxWidget;
class CControlView;
class ColourBarWidget;
class CShakeplayDoc;
class ShakeplayViewWidget;

class CMainFrame final : public QWidget, public FrameLinks {
 public:
  // panelColour: the control panel's background, the system's menu colour.
  CMainFrame(CShakeplayDoc& doc, ui::Rgb panelColour);
  ~CMainFrame() override;

  ShakeplayViewWidget& modelView() { return *modelView_; }
  ColourBarWidget& colourBar() { return *colourBar_; }
  // Null once the user has closed it.
  BoxWidget* orientationBox() { return box_; }
  // Where the control panel lives, and the panel itself.
  QWidget& controlFrame() { return *controlFrame_; }
  CControlView& controlView() { return *controlView_; }
  const StackingOrder& stacking() const { return stacking_; }

  // The end of start-up: shows the window and its children, activates the orientation box and
  // lays the views out once more at the first idle time.
  void showAtStart();

  void widenControlPanel() override;
  void repaintOrientationBox() override;
  void closeOrientationBox() override;
  void orientationBoxPainted() override;
  void openGLFailed(const std::string& reason) override;
  void showAbout() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void watch(QObject* object);
  void applyStacking(bool changed);
  QWidget* widgetOf(Child child) const;

  CShakeplayDoc& doc_;
  ShakeplayViewWidget* modelView_;
  BoxWidget* box_;
  ColourBarWidget* colourBar_;
  QWidget* controlFrame_;
  QWidget* controlForm_;
  CControlView* controlView_;
  StackingOrder stacking_;
  bool firstIdle_ = true;
  bool openGLFailed_ = false;
};

}  // namespace shakeplay
