// The binder's way to the commands a dialog takes beyond its controls: the items it adds to its
// system menu (a right click in the dialog, Alt+Space), the copy and paste keys, a static that
// shows an icon, and a message box asked for while the dialog paints.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "platform/ui/Dialog.h"
#include "platform/ui/Services.h"
#include "platform/ui/qt/DialogWindow.h"
#include "platform/ui/qt/QtServices.h"
#include "tests/support/ShownDialog.h"

namespace {

using namespace ui;

constexpr int kEdit = 1000;
constexpr int kPicture = 1001;
constexpr int kCheckBox = 1002;
constexpr int kDropDown = 1003;
constexpr int kIconId = 3107;

const DialogTemplate& commandTemplate() {
  static const DialogTemplate t{
      .id = 300,
      .caption = "Commands",
      .size = {160, 80},
      .controls = {
          {kEdit, ControlKind::Edit, "edit text", {10, 10, 80, 12}, style::Border},
          {kPicture, ControlKind::Static, std::to_string(kIconId), {10, 30, 20, 20}, style::Icon},
          {ui::IDOK, ControlKind::DefPushButton, "OK", {100, 10, 40, 14}},
          {kCheckBox, ControlKind::AutoCheckBox, "Check", {100, 30, 50, 10}},
          {kDropDown, ControlKind::DropDownList, "", {100, 45, 50, 40}, 0, {"ONE", "TWO"}},
      }};
  return t;
}

// Copies a word of its own and counts its pastes.
class CommandDialog : public Dialog {
 public:
  CommandDialog() : Dialog(commandTemplate()) {}
  std::vector<unsigned> commands;
  int pastes = 0;
  bool boxInPaint = false;
  int boxAnswer = 0;

 protected:
  bool OnInitDialog() override {
    AppendSystemMenu(0x0010, "&About...");
    return Dialog::OnInitDialog();
  }
  void OnSysCommand(unsigned id) override { commands.push_back(id); }
  void OnPaint(Painter&) override {
    if (!boxInPaint) return;
    boxInPaint = false;
    boxAnswer = MessageBox("asked while painting", "Paint", MB_OKCANCEL | MB_ICONEXCLAMATION);
  }
  void OnEditCopy() override { services().setClipboard({.text = "table"}); }
  void OnEditPaste() override { ++pastes; }
};

class CommandKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    shown = std::make_unique<testsupport::ShownDialog>(dialog);
    window = shown->window.get();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  void TearDown() override { shown.reset(); }
  QMenu* openMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

  qt::QtServices services_;
  ScopedServices installed_{services_};
  CommandDialog dialog;
  std::unique_ptr<testsupport::ShownDialog> shown;
  qt::DialogWindow* window = nullptr;
};

TEST_F(CommandKeys, RightClickAndAltSpacePopUpTheDialogsSystemMenu) {
  for (int way = 0; way < 2; ++way) {
    if (way == 0) {
      QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 10), window->mapToGlobal(QPoint(20, 10)));
      QApplication::sendEvent(window, &event);
    } else {
      QTest::keyClick(window, Qt::Key_Space, Qt::AltModifier);
    }
    QMenu* menu = openMenu();
    ASSERT_NE(menu, nullptr) << "way " << way;
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions()[0]->text(), "&About...");
    menu->actions()[0]->trigger();
    menu->hide();
  }
  EXPECT_EQ(dialog.commands, (std::vector<unsigned>{0x0010, 0x0010}));
}

TEST_F(CommandKeys, CopyAndPasteGoToTheDialogUnlessTheEditKeepsThem) {
  auto* edit = qobject_cast<QLineEdit*>(window->widgetOf(kEdit));
  ASSERT_TRUE(edit->hasFocus());
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "edit text") << "the edit's own copy";
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(dialog.pastes, 0) << "the edit's own paste";
  // A button, a check box, a list, and no control at all: the keys are the dialog's.
  int pastes = 0;
  for (const int id : {1, kCheckBox, kDropDown, kNoFocus}) {
    QApplication::clipboard()->clear();
    dialog.SetFocus(id);
    QWidget* target = id == kNoFocus ? window : window->widgetOf(id);
    QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "table") << id;
    EXPECT_EQ(services_.clipboardText(), "table") << id;
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dialog.pastes, ++pastes) << id;
  }
}

TEST_F(CommandKeys, MessageBoxAskedForInAPaintIsShownAfterIt) {
  QString shownText;
  bool paintOver = false;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shownText = box->text();
      paintOver = !qt::DialogWindow::painting();
      box->button(QMessageBox::Cancel)->click();
    }
  });
  closer.start(20);
  dialog.boxInPaint = true;
  dialog.Invalidate();
  window->repaint();
  EXPECT_EQ(dialog.boxAnswer, IDOK) << "the paint goes on with the first button";
  EXPECT_TRUE(shownText.isEmpty()) << "not shown inside the paint";
  EXPECT_TRUE(QTest::qWaitFor([&] { return !shownText.isEmpty(); }, 3000));
  EXPECT_EQ(shownText, "asked while painting");
  EXPECT_TRUE(paintOver);
}

TEST_F(CommandKeys, IconStaticShowsTheRegisteredPicture) {
  auto* label = qobject_cast<QLabel*>(window->widgetOf(kPicture));
  ASSERT_NE(label, nullptr);
  EXPECT_TRUE(label->pixmap().isNull()) << "nothing is filed under the id yet";
  EXPECT_TRUE(label->text().isEmpty());
  IconImage picture{2, 2, {0xFF102030u, 0xFF405060u, 0xFF708090u, 0xFFA0B0C0u}};
  ASSERT_TRUE(RegisterIcon(kIconId, picture));
  dialog.SetDlgItemText(kPicture, std::to_string(kIconId));
  const QImage picked = label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(picked.size(), QSize(2, 2));
  EXPECT_EQ(picked.pixel(1, 0), 0xFF405060u);
}

}  // namespace
