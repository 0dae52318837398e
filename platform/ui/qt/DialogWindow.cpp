#include "platform/ui/qt/DialogWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdlib>

#include "platform/ui/qt/QtFonts.h"
#include "platform/ui/qt/QtIcon.h"
#include "platform/ui/qt/QtPainter.h"
#include "platform/ui/qt/UpDownWidget.h"

namespace ui::qt {
namespace {
const char* const kIndexProperty = "korvenaControlIndex";
const QColor kGreyText(128, 128, 128);

QColor qcolor(Rgb c) { return QColor(c.r, c.g, c.b); }

// Counts nested mirroring so that focus events it causes are not taken as the user's.
class Syncing {
 public:
  explicit Syncing(int& depth) : depth_(depth) { ++depth_; }
  ~Syncing() { --depth_; }
  Syncing(const Syncing&) = delete;
  Syncing& operator=(const Syncing&) = delete;

 private:
  int& depth_;
};
}  // namespace

DialogWindow::DialogWindow(Dialog& model, QWidget* parent, std::optional<QFont> font)
    : QDialog(parent),
      model_(model),
      font_(font ? *font
                 : ui::qt::dialogFont(model.dialogTemplate().fontFace, model.dialogTemplate().pointSize)) {
  Syncing guard(syncing_);
  const unsigned dialogStyle = model.dialogTemplate().style;
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (dialogStyle & style::SystemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  setWindowFlags(flags);
  setFont(font_);
  setWindowTitle(QString::fromStdString(model.GetWindowText()));
  dialogChanged(DialogChange::Icon);
  const auto& controls = model.controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    widgets_.push_back(createWidget(static_cast<int>(i)));
    const ControlState& c = controls[i];
    if (c.kind == ControlKind::UpDown && c.buddy > 0 && (c.style & style::ArrowKeys)) {
      arrowKeyBuddies_[c.buddy - 1] = static_cast<int>(i);
    }
  }
  for (std::size_t i = 0; i < controls.size(); ++i) {
    for (ControlChange what : {ControlChange::Text, ControlChange::Items, ControlChange::Check,
                               ControlChange::Enabled, ControlChange::Visible, ControlChange::Geometry,
                               ControlChange::Font, ControlChange::ReadOnly, ControlChange::Colours}) {
      sync(static_cast<int>(i), what);
    }
    if (controls[i].kind == ControlKind::GroupBox) widgets_[i]->lower();
  }
  dialogChanged(DialogChange::Size);
  applyDialogColours();
  for (const auto& [id, interval] : model.timers()) timerChanged(id, interval);
  model_.setObserver(this);
}

DialogWindow::~DialogWindow() { model_.setObserver(nullptr); }

const ControlState& DialogWindow::stateAt(int index) const {
  return model_.controls().at(static_cast<std::size_t>(index));
}

QWidget* DialogWindow::widgetOf(int id) const {
  const int index = model_.indexOf(id);
  return index >= 0 ? widgets_[static_cast<std::size_t>(index)] : nullptr;
}

QWidget* DialogWindow::createWidget(int index) {
  const ControlState& c = stateAt(index);
  QWidget* widget = nullptr;
  switch (c.kind) {
    case ControlKind::DefPushButton:
    case ControlKind::PushButton: {
      auto* button = new QPushButton(this);
      button->setAutoDefault(false);
      widget = button;
      break;
    }
    case ControlKind::AutoCheckBox:
      widget = new QCheckBox(this);
      break;
    case ControlKind::AutoRadioButton: {
      auto* radio = new QRadioButton(this);
      radio->setAutoExclusive(false);  // the model keeps the groups
      widget = radio;
      break;
    }
    case ControlKind::Static: {
      auto* label = new QLabel(this);
      Qt::Alignment align = Qt::AlignLeft;
      if (c.style & style::Center) align = Qt::AlignHCenter;
      if (c.style & style::Right) align = Qt::AlignRight;
      label->setAlignment(align | Qt::AlignTop);
      label->setWordWrap(true);
      label->setTextFormat(Qt::PlainText);
      label->setAttribute(Qt::WA_TransparentForMouseEvents);
      widget = label;
      break;
    }
    case ControlKind::GroupBox: {
      auto* group = new QGroupBox(this);
      group->setFlat((c.style & style::Flat) != 0);
      group->setAttribute(Qt::WA_TransparentForMouseEvents);
      widget = group;
      break;
    }
    case ControlKind::Edit: {
      auto* edit = new QLineEdit(this);
      edit->setFrame((c.style & style::Border) != 0);
      widget = edit;
      break;
    }
    case ControlKind::DropDownList:
      widget = new QComboBox(this);
      break;
    case ControlKind::UpDown: {
      const int id = c.id;
      auto* upDown =
          new UpDownWidget((c.style & style::Horizontal) != 0, (c.style & style::ArrowKeys) != 0,
                           [this, id](bool up) { model_.upDown(id, model_.arrowDelta(id, up)); }, this);
      widget = upDown;
      break;
    }
  }
  widget->setProperty(kIndexProperty, index);
  if (!takesFocus(c.kind)) {
    widget->setFocusPolicy(Qt::NoFocus);
  } else {
    widget->setFocusPolicy(isTabStop(c) ? Qt::StrongFocus : Qt::ClickFocus);
  }
  widget->installEventFilter(this);
  connectInput(index, widget);
  return widget;
}

void DialogWindow::connectInput(int index, QWidget* widget) {
  const int id = stateAt(index).id;
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    connect(button, &QAbstractButton::clicked, this, [this, index, id] {
      model_.click(id);
      if (model_.created()) sync(index, ControlChange::Check);
    });
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    connect(combo, &QComboBox::activated, this, [this, index, id](int item) {
      model_.select(id, item);
      if (model_.created()) sync(index, ControlChange::Selection);
    });
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    connect(edit, &QLineEdit::textEdited, this, [this, index, id](const QString& text) {
      model_.setText(id, text.toStdString());
      if (model_.created()) sync(index, ControlChange::Text);
    });
  }
}

void DialogWindow::controlChanged(int index, ControlChange what) {
  sync(index, what);
  if (what == ControlChange::Enabled || what == ControlChange::Visible) applyFocus();
}

void DialogWindow::sync(int index, ControlChange what) {
  Syncing guard(syncing_);
  const ControlState& c = stateAt(index);
  QWidget* widget = widgets_[static_cast<std::size_t>(index)];
  const QString text = QString::fromStdString(c.text);
  switch (what) {
    case ControlChange::Text:
      if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(text);
      if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (c.style & style::Icon) {
          const HICON icon = LoadIcon(std::atoi(c.text.c_str()));
          label->setPixmap(icon ? QPixmap::fromImage(toImage(*icon)) : QPixmap());
        } else {
          label->setText(text);
        }
      }
      if (auto* group = qobject_cast<QGroupBox*>(widget)) group->setTitle(text);
      if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && edit->text() != text) {
        edit->setText(text);
      }
      break;
    case ControlChange::Items:
      if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->clear();
        for (const std::string& item : c.items) combo->addItem(QString::fromStdString(item));
      }
      [[fallthrough]];
    case ControlChange::Selection:
      if (auto* combo = qobject_cast<QComboBox*>(widget)) combo->setCurrentIndex(c.selection);
      break;
    case ControlChange::Check:
      if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isCheckable()) {
        button->setChecked(c.check != 0);
      }
      break;
    case ControlChange::UpDown:
      break;
    case ControlChange::Enabled:
      widget->setEnabled(c.enabled);
      applyColours(index);
      break;
    case ControlChange::Visible:
      widget->setVisible(c.visible);
      break;
    case ControlChange::Geometry:
      applyGeometry(index);
      break;
    case ControlChange::Font:
      widget->setFont(controlFont(c.fontFace, font_));
      break;
    case ControlChange::ReadOnly:
      if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setReadOnly(c.readOnly);
      applyColours(index);
      break;
    case ControlChange::Colours:
      applyColours(index);
      break;
  }
}

void DialogWindow::applyGeometry(int index) {
  const ControlState& c = stateAt(index);
  QWidget* widget = widgets_[static_cast<std::size_t>(index)];
  Rect r = dialogToPixels(c.rect, model_.baseUnits());
  // A drop-down list's rectangle includes its dropped list; the field is one line high.
  if (c.kind == ControlKind::DropDownList) {
    r.cy = std::min(r.cy, QFontMetrics(widget->font()).height() + 8);
  }
  widget->setGeometry(r.x, r.y, r.cx, r.cy);
}

void DialogWindow::applyColours(int index) {
  QWidget* widget = widgets_[static_cast<std::size_t>(index)];
  const std::optional<Colours> colours = model_.effectiveColours(index);
  if (!colours) {
    // The platform's own colours, every role of them: a palette left partly unset would take
    // the dialog's text colour for the arrows of an up-down, yellow on a light button face.
    QPalette platform = QApplication::palette(widget);
    platform.setResolveMask(~QPalette::ResolveMask(0));
    widget->setPalette(platform);
    widget->setAutoFillBackground(false);
    return;
  }
  QPalette palette = widget->palette();
  const QColor text = qcolor(colours->text);
  const QColor back = qcolor(colours->back);
  // Edits and lists colour their field; the other controls their window, so that the boxes of
  // check boxes and radio buttons keep the platform's colours.
  const bool field = qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget);
  const QPalette::ColorRole backRole = field ? QPalette::Base : QPalette::Window;
  const QPalette::ColorRole textRole = field ? QPalette::Text : QPalette::WindowText;
  palette.setColor(backRole, back);
  palette.setColor(QPalette::Button, back);  // the background role of buttons and lists
  for (QPalette::ColorRole role : {textRole, QPalette::ButtonText}) {
    palette.setColor(QPalette::Active, role, text);
    palette.setColor(QPalette::Inactive, role, text);
    palette.setColor(QPalette::Disabled, role, kGreyText);
  }
  widget->setPalette(palette);
  widget->setAutoFillBackground(!field && !qobject_cast<QGroupBox*>(widget));
}

void DialogWindow::applyDialogColours() {
  const std::optional<Colours> colours = model_.dialogColours();
  QPalette palette = this->palette();
  if (colours) {
    palette.setColor(QPalette::Window, qcolor(colours->back));
    palette.setColor(QPalette::WindowText, qcolor(colours->text));
  }
  setPalette(palette);
  setAutoFillBackground(true);
}

void DialogWindow::applyFocus() {
  Syncing guard(syncing_);
  const int index = model_.focusIndex();
  if (index >= 0) {
    QWidget* widget = widgets_[static_cast<std::size_t>(index)];
    if (widget->isEnabled() && !widget->isHidden()) widget->setFocus(Qt::OtherFocusReason);
  } else if (QWidget* focused = focusWidget()) {
    focused->clearFocus();
  }
}

void DialogWindow::dialogChanged(DialogChange what) {
  switch (what) {
    case DialogChange::Caption:
      setWindowTitle(QString::fromStdString(model_.GetWindowText()));
      break;
    case DialogChange::Icon:
      setWindowIcon(toIcon(model_.GetIcon(true), model_.GetIcon(false)));
      break;
    case DialogChange::Size: {
      const Size size = model_.clientSize();
      if (model_.dialogTemplate().style & style::Resizable) {
        resize(size.cx, size.cy);
      } else {
        setFixedSize(size.cx, size.cy);
      }
      break;
    }
    case DialogChange::Focus:
      applyFocus();
      break;
    case DialogChange::Colours:
      applyDialogColours();
      modelPictureStale_ = true;
      update();
      break;
    case DialogChange::Invalidate:
      modelPictureStale_ = true;
      update();
      break;
    case DialogChange::Ended:
      modelClosing_ = true;
      done(model_.modalResult());
      break;
  }
}

void DialogWindow::timerChanged(int timerId, int intervalMs) {
  auto found = timers_.find(timerId);
  if (intervalMs == kTimerKilled) {
    if (found != timers_.end()) {
      delete found->second;
      timers_.erase(found);
    }
    return;
  }
  if (found == timers_.end()) {
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this, timerId] { model_.tick(timerId); });
    found = timers_.emplace(timerId, timer).first;
  }
  found->second->start(intervalMs);
}

void DialogWindow::showSystemMenu(const QPoint& globalPosition) {
  if (model_.systemMenu().empty() || !model_.running()) return;
  if (systemMenu_ == nullptr) systemMenu_ = new QMenu(this);
  systemMenu_->clear();
  for (const MenuItem& item : model_.systemMenu()) {
    if (item.id == 0 && item.text.empty()) {
      systemMenu_->addSeparator();
      continue;
    }
    const unsigned id = item.id;
    systemMenu_->addAction(QString::fromStdString(item.text), this, [this, id] { model_.systemCommand(id); });
  }
  systemMenu_->popup(globalPosition);
}

bool DialogWindow::routeSystemMenuKey(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && event->modifiers() == Qt::AltModifier) {
    showSystemMenu(mapToGlobal(QPoint(0, 0)));
    return true;
  }
  return false;
}

bool DialogWindow::routeKey(int index, QKeyEvent* event) {
  if (routeSystemMenuKey(event)) return true;
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      model_.pressEnter();
      return true;
    case Qt::Key_Escape:
      model_.pressEscape();
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down: {
      const auto buddy = arrowKeyBuddies_.find(index);
      if (buddy == arrowKeyBuddies_.end()) return false;
      const int id = stateAt(buddy->second).id;
      model_.upDown(id, model_.arrowDelta(id, event->key() == Qt::Key_Up));
      return true;
    }
    default:
      break;
  }
  const ControlState& c = stateAt(index);
  // The copy and paste keys are the dialog's wherever the focus is, except in an edit, which
  // keeps them for its own text.
  if (c.kind != ControlKind::Edit && routeCommandKey(event)) return true;
  const QString text = event->text();
  if (c.kind == ControlKind::Edit && text.size() == 1 && text[0].isPrint() &&
      !model_.acceptsChar(c.id, text[0].toLatin1())) {
    return true;  // dropped by the numeric filter
  }
  return false;
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
  const QVariant property = watched->property(kIndexProperty);
  if (!property.isValid() || !model_.created()) return QDialog::eventFilter(watched, event);
  const int index = property.toInt();
  if (event->type() == QEvent::KeyPress) {
    return routeKey(index, static_cast<QKeyEvent*>(event));
  }
  // A press on a window that is not active (a modal child has closed and left the server's
  // focus outside the tool, as X does without a window manager) moves Qt's focus only when the
  // window turns active, mostly while the button is still held. That focus event carries no mouse
  // reason, so the branch below would take it for a stray one and give the focus back to the
  // model's control; a button that loses the focus while held forgets the press, and the release
  // clicks nothing. The model hears of the click's focus at the press instead, as it does on an
  // active window, and the activation then finds the focus where the model has it.
  if (event->type() == QEvent::MouseButtonPress && !isActiveWindow() &&
      (static_cast<QWidget*>(watched)->focusPolicy() & Qt::ClickFocus)) {
    model_.focus(stateAt(index).id);
  }
  if (event->type() == QEvent::FocusIn && syncing_ == 0) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      model_.focus(stateAt(index).id);
    }
    if (model_.created() && model_.focusIndex() != index) {
      QTimer::singleShot(0, this, [this] {
        if (model_.created()) applyFocus();
      });
    }
  }
  return QDialog::eventFilter(watched, event);
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event) { showSystemMenu(event->globalPos()); }

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  if (routeSystemMenuKey(event)) return;
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    model_.pressEnter();
  } else if (event->key() == Qt::Key_Escape) {
    model_.pressEscape();
  } else if (!routeCommandKey(event)) {
    QDialog::keyPressEvent(event);
  }
}

bool DialogWindow::routeCommandKey(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    model_.copy();
    return true;
  }
  if (event->matches(QKeySequence::Paste)) {
    model_.paste();
    return true;
  }
  return false;
}

void DialogWindow::reject() {
  if (modelClosing_) {
    QDialog::reject();
  } else {
    model_.closeBox();
  }
}

void DialogWindow::closeEvent(QCloseEvent* event) {
  if (modelClosing_) {
    event->accept();
    return;
  }
  event->ignore();
  model_.closeBox();
}

int DialogWindow::paintDepth_ = 0;

// The model paints only when the dialog itself was invalidated (shown, resized, recoloured,
// Invalidate): a child's own repaint takes the surface beneath it from the kept picture, as a
// control paints itself on the original platform without the dialog's WM_PAINT.
void DialogWindow::paintEvent(QPaintEvent*) {
  const qreal ratio = devicePixelRatioF();
  if (modelPictureStale_ || modelPicture_.size() != size() * ratio) paintModelPicture();
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), modelPicture_);
}

void DialogWindow::paintModelPicture() {
  modelPictureStale_ = false;  // an Invalidate from inside OnPaint asks for the next paint
  const qreal ratio = devicePixelRatioF();
  modelPicture_ = QImage(size() * ratio, QImage::Format_RGB32);
  modelPicture_.setDevicePixelRatio(ratio);
  modelPicture_.fill(palette().color(QPalette::Window));
  QPainter painter(&modelPicture_);
  QtPainter adapter(painter);
  ++paintDepth_;
  model_.paint(adapter);
  --paintDepth_;
}

void DialogWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  modelPictureStale_ = true;
  model_.resize(width(), height());
}

void DialogWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  modelPictureStale_ = true;
  applyFocus();
}

}  // namespace ui::qt
