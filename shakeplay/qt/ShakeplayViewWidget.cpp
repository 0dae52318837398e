#include "shakeplay/qt/ShakeplayViewWidget.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

#include "platform/ui/qt/QtIcon.h"
#include "shakeplay/app/Resources.h"
#include "shakeplay/app/ShakeplayPictures.h"
#include "shakeplay/qt/FrameLinks.h"

namespace shakeplay {
namespace {

std::optional<MouseButton> buttonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return MouseButton::Left;
    case Qt::MiddleButton:
      return MouseButton::Middle;
    case Qt::RightButton:
      return MouseButton::Right;
    default:
      return std::nullopt;
  }
}

}  // namespace

ShakeplayViewWidget::ShakeplayViewWidget(CShakeplayDoc& doc, FrameLinks& links, QWidget* parent)
    : GlViewWidget(32, links, parent),
      view_(doc, window_),
      zoomCursor_(QPixmap::fromImage(ui::qt::toImage(zoomCursorPicture())), kZoomCursorHotSpot.x,
                  kZoomCursorHotSpot.y) {
  setFocusPolicy(Qt::ClickFocus);
  setCursor(Qt::ArrowCursor);
}

ShakeplayViewWidget::~ShakeplayViewWidget() = default;

void ShakeplayViewWidget::createView(bool haveContext) { view_.CreateContext(haveContext); }

void ShakeplayViewWidget::sizeView(int w, int h) { view_.OnSize(w, h); }

void ShakeplayViewWidget::paintView() { view_.RenderScene(); }

void ShakeplayViewWidget::Window::postSizeAndPaint() {
  QTimer::singleShot(0, &widget_, [widget = &widget_] {
    widget->view_.OnSize(widget->width(), widget->height());
    widget->paintLater();
  });
}

void ShakeplayViewWidget::Window::widenControlPanel() { widget_.links().widenControlPanel(); }

void ShakeplayViewWidget::Window::repaintOrientationBox() {
  widget_.links().repaintOrientationBox();
  // The box drew in its own context; a paint of this view under way goes on in this one.
  widget_.makeDrawingCurrent();
}

void ShakeplayViewWidget::carryOut(unsigned effects) {
  if (effects & effect::kZoomCursor) setCursor(zoomCursor_);
  if (effects & effect::kArrowCursor) setCursor(Qt::ArrowCursor);
  view_.Apply(effects);
  if (effects & effect::kShowMenu) showMenu();
}

void ShakeplayViewWidget::showMenu() {
  QMenu menu(this);
  for (const MenuItem& item : kModelViewMenu) {
    if (item.text == nullptr) {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(QString::fromUtf8(item.text));
    action->setEnabled(item.enabled);
    action->setData(item.id);
  }
  if (const QAction* chosen = menu.exec(QCursor::pos()))
    carryOut(view_.navigation.menuCommand(chosen->data().toInt()));
}

void ShakeplayViewWidget::mousePressEvent(QMouseEvent* event) {
  const auto button = buttonOf(event->button());
  if (!button) return;
  const QPoint at = event->position().toPoint();
  carryOut(view_.navigation.buttonDown(*button, at.x(), at.y()));
}

void ShakeplayViewWidget::mouseReleaseEvent(QMouseEvent* event) {
  const auto button = buttonOf(event->button());
  if (button) carryOut(view_.navigation.buttonUp(*button));
}

void ShakeplayViewWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  carryOut(view_.navigation.mouseMove(at.x(), at.y()));
}

void ShakeplayViewWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  carryOut(view_.navigation.leftDoubleClick(at.x(), at.y(), (event->modifiers() & Qt::ControlModifier) != 0));
}

void ShakeplayViewWidget::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Control:
      carryOut(view_.navigation.controlKey(true));
      break;
    case Qt::Key_F:
      nudgeWidth();
      break;
    case Qt::Key_F1:
      links().showAbout();
      break;
    default:
      QOpenGLWidget::keyPressEvent(event);
  }
}

void ShakeplayViewWidget::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Control && !event->isAutoRepeat()) {
    carryOut(view_.navigation.controlKey(false));
  } else {
    QOpenGLWidget::keyReleaseEvent(event);
  }
}

}  // namespace shakeplay
