// The generic binder: a QDialog with real widgets for any dialog model. It builds the widgets
// at the template's pixel geometry, mirrors every model change into them (DialogObserver), and
// turns the user's input into the model's events; Enter, Escape and the close box go to the
// model, never to QDialog's own accept or reject. The items a model adds to its system menu pop
// up on a right click in the dialog and on Alt+Space (the window manager keeps its own menu).
#pragma once

#include <QDialog>
#include <QFont>
#include <QImage>
#include <map>
#include <optional>
#include <vector>

#include "platform/ui/Dialog.h"

class QMenu;
class QTimer;

namespace ui::qt {

class DialogWindow final : public QDialog, public DialogObserver {
 public:
  // The model must be created (Dialog::create) with the base units of dialogFont(), which is
  // the stand-in for the template's font unless `font` is given.
  DialogWindow(Dialog& model, QWidget* parent = nullptr, std::optional<QFont> font = std::nullopt);
  ~DialogWindow() override;

  // The widget of a control, by id (nullptr for none).
  QWidget* widgetOf(int id) const;
  const QFont& dialogFont() const { return font_; }

  void controlChanged(int index, ControlChange what) override;
  void dialogChanged(DialogChange what) override;
  void timerChanged(int timerId, int intervalMs) override;

  // Pops up the items the model added to its system menu (if any) at the global position.
  void showSystemMenu(const QPoint& globalPosition);

  // Whether some dialog is painting now: no modal window may run before its paint is over.
  static bool painting() { return paintDepth_ > 0; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void reject() override;

 private:
  QWidget* createWidget(int index);
  void connectInput(int index, QWidget* widget);
  void sync(int index, ControlChange what);
  void applyColours(int index);
  void applyDialogColours();
  void applyGeometry(int index);
  void applyFocus();
  bool routeKey(int index, QKeyEvent* event);
  bool routeSystemMenuKey(QKeyEvent* event);  // Alt+Space
  bool routeCommandKey(QKeyEvent* event);     // Ctrl+C, Ctrl+V
  void paintModelPicture();
  const ControlState& stateAt(int index) const;

  Dialog& model_;
  QFont font_;
  std::vector<QWidget*> widgets_;
  std::map<int, int> arrowKeyBuddies_;  // buddy index -> up-down index
  std::map<int, QTimer*> timers_;
  QMenu* systemMenu_ = nullptr;
  int syncing_ = 0;  // focus events caused by mirroring are not user input
  static int paintDepth_;
  bool modelClosing_ = false;
  // What the model's OnPaint drew, kept until the dialog is invalidated: a child control that
  // repaints itself (each keystroke, each blink of the caret) shows the dialog's surface beneath
  // it from here, without running OnPaint again.
  QImage modelPicture_;
  bool modelPictureStale_ = true;
};

}  // namespace ui::qt
