#include "shakeplay/qt/MainFrame.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include "shakeplay/app/AboutDialog.h"
#include "shakeplay/app/DocServices.h"
#include "shakeplay/app/WindowLayout.h"
#include "shakeplay/core/ShakeplayDoc.h"
#include "shakeplay/panel/qt/ControlPanel.h"
#include "shakeplay/qt/BoxWidget.h"
#include "shakeplay/qt/ColourBarWidget.h"
#include "shakeplay/qt/ShakeplayViewWidget.h"

namespace shakeplay {
namespace {

void place(QWidget& widget, const ui::Rect& rect) { widget.setGeometry(rect.x, rect.y, rect.cx, rect.cy); }

}  // namespace

CMainFrame::CMainFrame(CShakeplayDoc& doc, ui::Rgb panelColour)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      doc_(doc) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  // Children in the order start-up creates them; each new one comes on top.
  modelView_ = new ShakeplayViewWidget(doc, *this, this);
  box_ = new BoxWidget(doc, *this, this);
  colourBar_ = new ColourBarWidget(doc, *this, this);
  controlFrame_ = new QWidget(this);
  place(*modelView_, layout::kModelView);
  place(*box_, layout::kOrientationBox);
  place(*colourBar_, layout::kColourBar);
  place(*controlFrame_, layout::kControlPanel);
  const ControlPanel panel = CreateControlPanel(doc, controlFrame_, panelColour);
  controlForm_ = panel.widget;
  controlView_ = panel.view;
  controlForm_->setGeometry(0, 0, controlFrame_->width(), controlFrame_->height());
  for (QWidget* child : {static_cast<QWidget*>(modelView_), static_cast<QWidget*>(box_),
                         static_cast<QWidget*>(colourBar_), controlFrame_}) {
    watch(child);
  }
  setFixedSize(layout::kMainClient.cx, layout::kMainClient.cy);
  move(layout::kMainWindow.x, layout::kMainWindow.y);
  setWindowTitle(QString::fromStdString(doc.result().title));
  doc_.setRenderer(&modelView_->view());
}

CMainFrame::~CMainFrame() { doc_.setRenderer(nullptr); }

void CMainFrame::watch(QObject* object) {
  object->installEventFilter(this);
  for (QObject* child : object->children()) {
    if (child->isWidgetType()) watch(child);
  }
}

QWidget* CMainFrame::widgetOf(Child child) const {
  switch (child) {
    case Child::ModelView:
      return modelView_;
    case Child::ColourBar:
      return colourBar_;
    case Child::ControlPanel:
      return controlFrame_;
    case Child::OrientationBox:
      return box_;
  }
  return nullptr;
}

void CMainFrame::applyStacking(bool changed) {
  if (!changed) return;
  // Raised bottom first, each child ends above all before it.
  for (Child child : stacking_.order()) {
    if (QWidget* widget = widgetOf(child)) widget->raise();
  }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::FocusIn:
      applyStacking(stacking_.childActivated());
      break;
    case QEvent::Paint:
      if (watched == controlFrame_ || controlFrame_->isAncestorOf(qobject_cast<QWidget*>(watched))) {
        // Raising while a paint is under way would paint again within it: after it.
        QTimer::singleShot(0, this, [this] { applyStacking(stacking_.panelPainted()); });
      }
      break;
    case QEvent::ChildAdded:
      if (auto* added = static_cast<QChildEvent*>(event)->child(); added->isWidgetType()) watch(added);
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void CMainFrame::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    showAbout();
  } else {
    QWidget::keyPressEvent(event);
  }
}

void CMainFrame::showAtStart() {
  show();
  if (box_ != nullptr) {
    box_->setFocus();
    applyStacking(stacking_.childActivated());
  }
  QTimer::singleShot(0, this, [this] {
    if (!firstIdle_) return;
    modelView_->nudgeWidth();
    colourBar_->nudgeWidth();
    firstIdle_ = false;
  });
}

void CMainFrame::widenControlPanel() {
  controlFrame_->resize(controlFrame_->width() + 1, controlFrame_->height());
  controlForm_->resize(controlFrame_->size());
}

void CMainFrame::repaintOrientationBox() {
  if (box_ != nullptr) box_->repaintNow();
}

void CMainFrame::closeOrientationBox() {
  QTimer::singleShot(0, this, [this] {
    if (box_ == nullptr) return;
    stacking_.boxClosed();
    BoxWidget* box = box_;
    box_ = nullptr;
    delete box;
  });
}

void CMainFrame::orientationBoxPainted() {
  QTimer::singleShot(0, this, [this] { applyStacking(stacking_.boxPainted()); });
}

void CMainFrame::openGLFailed(const std::string& reason) {
  if (openGLFailed_) return;
  openGLFailed_ = true;
  QTimer::singleShot(0, this, [reason] {
    reportNoOpenGL(reason);
    QCoreApplication::exit(1);
  });
}

void CMainFrame::showAbout() {
  CAboutDlg about;
  about.DoModal();
}

}  // namespace shakeplay
