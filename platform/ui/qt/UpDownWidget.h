// The up-down control: two arrow buttons (stacked, or side by side when horizontal) that report
// which arrow the user pressed; with arrow keys, Up and Down step it while it has the focus.
#pragma once

#include <QWidget>
#include <functional>

class QToolButton;

namespace ui::qt {

class UpDownWidget final : public QWidget {
 public:
  UpDownWidget(bool horizontal, bool arrowKeys, std::function<void(bool up)> stepped, QWidget* parent);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool horizontal_;
  bool arrowKeys_;
  std::function<void(bool)> stepped_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace ui::qt
