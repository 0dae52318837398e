#include "platform/ui/qt/QtServices.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QTimer>

#include "platform/ui/Dialog.h"
#include "platform/ui/qt/DialogWindow.h"
#include "platform/ui/qt/QtFonts.h"
#include "platform/ui/qt/QtPainter.h"

namespace ui::qt {
namespace {
QMessageBox::Icon iconOf(unsigned flags) {
  switch (flags & MB_ICON_MASK) {
    case MB_ICONSTOP:
      return QMessageBox::Critical;
    case MB_ICONQUESTION:
      return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
      return QMessageBox::Warning;
    case MB_ICONINFORMATION:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

QMessageBox::StandardButtons buttonsOf(unsigned flags) {
  switch (flags & MB_BUTTONS_MASK) {
    case MB_OKCANCEL:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNOCANCEL:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MB_YESNO:
      return QMessageBox::Yes | QMessageBox::No;
    default:
      return QMessageBox::Ok;
  }
}

int resultOf(int button) {
  switch (button) {
    case QMessageBox::Cancel:
      return IDCANCEL;
    case QMessageBox::Yes:
      return IDYES;
    case QMessageBox::No:
      return IDNO;
    default:
      return IDOK;
  }
}

int showBox(const std::string& text, const std::string& caption, unsigned flags) {
  QMessageBox box(iconOf(flags), QString::fromStdString(caption), QString::fromStdString(text),
                  buttonsOf(flags), QApplication::activeWindow());
  const auto buttons = buttonsOf(flags);
  if (buttons & QMessageBox::Cancel) box.setEscapeButton(QMessageBox::Cancel);
  return resultOf(box.exec());
}
}  // namespace

// A box asked for while a window paints cannot run its own event loop there (the window system
// would paint the window again inside its paint): it is shown as soon as the paint is over, and
// the paint goes on as if its first button had been pressed.
int QtServices::messageBox(const std::string& text, const std::string& caption, unsigned flags) {
  if (DialogWindow::painting()) {
    QTimer::singleShot(0, qApp, [text, caption, flags] { showBox(text, caption, flags); });
    return defaultAnswer(flags);
  }
  return showBox(text, caption, flags);
}

int QtServices::runModal(Dialog& dialog) {
  const DialogTemplate& t = dialog.dialogTemplate();
  dialog.setBaseUnits(baseUnitsOf(ui::qt::dialogFont(t.fontFace, t.pointSize)));
  dialog.create();
  if (!dialog.ended()) {
    DialogWindow window(dialog, QApplication::activeWindow());
    dialog.showDialog(true);
    if (!dialog.ended()) window.exec();
    dialog.destroy();  // while the window exists, so that the focus loss is heard
  } else {
    dialog.destroy();
  }
  return dialog.modalResult();
}

void QtServices::setClipboard(const ClipboardContent& content) {
  auto* data = new QMimeData;
  data->setText(QString::fromStdString(content.text));
  const Size size = content.pictureSize;
  if (content.paint && size.cx > 0 && size.cy > 0) {
    QImage picture(size.cx, size.cy, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
      QPainter painter(&picture);
      QtPainter adapter(painter);
      content.paint(adapter);
    }
    data->setImageData(picture);
  }
  QApplication::clipboard()->setMimeData(data);
}

std::string QtServices::clipboardText() { return QApplication::clipboard()->text().toStdString(); }

}  // namespace ui::qt
