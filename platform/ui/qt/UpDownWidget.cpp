#include "platform/ui/qt/UpDownWidget.h"

#include <QKeyEvent>
#include <QToolButton>

namespace ui::qt {

UpDownWidget::UpDownWidget(bool horizontal, bool arrowKeys, std::function<void(bool)> stepped,
                           QWidget* parent)
    : QWidget(parent),
      horizontal_(horizontal),
      arrowKeys_(arrowKeys),
      stepped_(std::move(stepped)),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
  up_->setArrowType(horizontal ? Qt::RightArrow : Qt::UpArrow);
  down_->setArrowType(horizontal ? Qt::LeftArrow : Qt::DownArrow);
  for (QToolButton* button : {up_, down_}) {
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
  }
  connect(up_, &QToolButton::clicked, this, [this] { stepped_(true); });
  connect(down_, &QToolButton::clicked, this, [this] { stepped_(false); });
  setFocusPolicy(Qt::NoFocus);
}

void UpDownWidget::resizeEvent(QResizeEvent*) {
  if (horizontal_) {
    const int half = width() / 2;
    down_->setGeometry(0, 0, half, height());
    up_->setGeometry(half, 0, width() - half, height());
  } else {
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
  }
}

void UpDownWidget::keyPressEvent(QKeyEvent* event) {
  if (arrowKeys_ && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
    stepped_(event->key() == Qt::Key_Up);
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace ui::qt
