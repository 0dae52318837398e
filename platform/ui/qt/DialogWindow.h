// The generic binder: a QDialog with real widgets for any dialog model. It builds the widgets
// at the template's pixel geometry, mirrors every model change into them (DialogObserver), and
// turns the user's input into the model's events; Enter, Escape and the close box go to the
// model, never to QDialog's own accept or reject.
#pragma once

#include <QDialog>
#include <QFont>
#include <map>
#include <optional>
#include <vector>

#include "platform/ui/Dialog.h"

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

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
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
  const ControlState& stateAt(int index) const;

  Dialog& model_;
  QFont font_;
  std::vector<QWidget*> widgets_;
  std::map<int, int> arrowKeyBuddies_;  // buddy index -> up-down index
  std::map<int, QTimer*> timers_;
  int syncing_ = 0;  // focus events caused by mirroring are not user input
  bool modelClosing_ = false;
};

}  // namespace ui::qt
