#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "BinderFixture.h"
#include "tests/support/Pictures.h"

namespace {

using namespace sample;
using namespace binder_test;

TEST_F(Binder, BuildsWidgetsAtTheTemplateGeometry) {
  EXPECT_EQ(window->widgetOf(kPlainEdit)->geometry(), pixels(kPlainEdit));
  EXPECT_EQ(window->widgetOf(1)->geometry(), pixels(1));
  EXPECT_EQ(window->size(), QSize(dialog.clientSize().cx, dialog.clientSize().cy));
  EXPECT_EQ(window->windowTitle(), "Sample of every control");
  EXPECT_EQ(widget<QComboBox>(kList)->count(), 3);
  EXPECT_EQ(widget<QComboBox>(kList)->currentText(), "REGULAR");
  EXPECT_EQ(widget<QLineEdit>(kNumberEdit)->text(), "1.5");
  EXPECT_TRUE(widget<QLineEdit>(kReadOnlyEdit)->isReadOnly());
  EXPECT_TRUE(window->widgetOf(kPlainEdit)->hasFocus());
}

TEST_F(Binder, MirrorsModelChanges) {
  dialog.SetDlgItemText(kPlainEdit, "from the model");
  dialog.EnableWindow(kPush, false);
  dialog.ShowWindow(kCheck, false);
  dialog.SetCurSel(kList, -1);
  dialog.CheckDlgButton(kRadioB, 1);
  dialog.AddString(kList, "EXTRA");
  dialog.SetWindowText("Renamed");
  dialog.SetControlRect(kPush, {20, 100, 40, 14});
  dialog.SetDialogSize(200, 140);
  EXPECT_EQ(widget<QLineEdit>(kPlainEdit)->text(), "from the model");
  EXPECT_FALSE(window->widgetOf(kPush)->isEnabled());
  EXPECT_FALSE(window->widgetOf(kCheck)->isVisible());
  EXPECT_EQ(widget<QComboBox>(kList)->currentIndex(), -1);
  EXPECT_EQ(widget<QComboBox>(kList)->count(), 4);
  EXPECT_TRUE(widget<QAbstractButton>(kRadioB)->isChecked());
  EXPECT_EQ(window->windowTitle(), "Renamed");
  EXPECT_EQ(window->widgetOf(kPush)->geometry(), pixels(kPush));
  EXPECT_EQ(window->width(), dialog.clientSize().cx);
  dialog.SetFocus(kList);
  EXPECT_TRUE(window->widgetOf(kList)->hasFocus());
}

TEST_F(Binder, ClickMovesTheFocusBeforeTheClickHandler) {
  QTest::keyClicks(window->widgetOf(kPlainEdit), "abc");
  QTest::mouseClick(window->widgetOf(kPush), Qt::LeftButton);
  EXPECT_EQ(dialog.events, (Events{"killfocus 1000", "click 1011"}));
  EXPECT_EQ(dialog.GetDlgItemText(kPlainEdit), "abc");
  EXPECT_EQ(dialog.GetFocus(), kPush);
}

TEST_F(Binder, NumericEditDropsOtherKeysAndUsesAFixedPitchFace) {
  QTest::keyClicks(window->widgetOf(kNumberEdit), "a-1.5xe+3");
  EXPECT_EQ(widget<QLineEdit>(kNumberEdit)->text(), "1.5-1.5e+3");
  EXPECT_EQ(dialog.GetDlgItemText(kNumberEdit), "1.5-1.5e+3");
  widget<QLineEdit>(kNumberEdit)->clear();
  QTest::keyClicks(window->widgetOf(kNumberEdit), "a-1.5xe+3");
  EXPECT_EQ(dialog.GetDlgItemText(kNumberEdit), "-1.5e+3");
  EXPECT_TRUE(QFontInfo(window->widgetOf(kNumberEdit)->font()).fixedPitch());
  EXPECT_FALSE(QFontInfo(window->widgetOf(kPlainEdit)->font()).fixedPitch());
}

TEST_F(Binder, EnterPressesTheDefaultButtonWithoutMovingTheFocus) {
  QTest::keyClicks(window->widgetOf(kPlainEdit), "typed");
  QTest::keyClick(window->widgetOf(kPlainEdit), Qt::Key_Return);
  EXPECT_TRUE(dialog.ended());
  EXPECT_EQ(dialog.modalResult(), ui::IDOK);
  EXPECT_EQ(dialog.plainText, "typed");
  EXPECT_TRUE(dialog.events.empty());  // no focus loss before OnOK
}

TEST_F(Binder, EscapeAndTheCloseBoxCancel) {
  QTest::keyClick(window->widgetOf(kList), Qt::Key_Escape);
  EXPECT_EQ(dialog.modalResult(), ui::IDCANCEL);
}

TEST_F(Binder, CloseBoxGoesToTheModel) {
  window->close();
  EXPECT_TRUE(dialog.ended());
  EXPECT_EQ(dialog.modalResult(), ui::IDCANCEL);
}

TEST_F(Binder, ListActivationCheckBoxesAndRadios) {
  QComboBox* list = widget<QComboBox>(kList);
  emit list->activated(2);
  EXPECT_EQ(dialog.GetCurSel(kList), 2);
  QTest::mouseClick(window->widgetOf(kCheck), Qt::LeftButton);
  QTest::mouseClick(window->widgetOf(kRadioA), Qt::LeftButton);
  QTest::mouseClick(window->widgetOf(kRadioB), Qt::LeftButton);
  EXPECT_EQ(dialog.IsDlgButtonChecked(kCheck), 1);
  EXPECT_EQ(dialog.IsDlgButtonChecked(kRadioA), 0);
  EXPECT_FALSE(widget<QAbstractButton>(kRadioA)->isChecked());
  EXPECT_EQ(dialog.events, (Events{"killfocus 1000", "select 1003", "killfocus 1003", "click 1004",
                                   "killfocus 1004", "click 1005", "killfocus 1005", "click 1006"}));
}

TEST_F(Binder, UpDownArrowsAndArrowKeys) {
  auto arrows = window->widgetOf(kSpinNoBuddy)->findChildren<QToolButton*>();
  ASSERT_EQ(arrows.size(), 2);
  QTest::mouseClick(arrows[0], Qt::LeftButton);            // the right arrow
  EXPECT_EQ(dialog.events, (Events{"deltapos -1 1009"}));  // default range: 100 .. 0
  EXPECT_EQ(dialog.GetFocus(), kPlainEdit);
  dialog.events.clear();
  dialog.SetRange(kSpin, 0, 10);
  QTest::keyClick(window->widgetOf(kSpinBuddy), Qt::Key_Up);
  EXPECT_EQ(dialog.events, (Events{"killfocus 1000", "deltapos 1 1008"}));
  EXPECT_EQ(dialog.GetPos(kSpin), 1);
  EXPECT_EQ(dialog.GetFocus(), kSpinBuddy);
}

TEST_F(Binder, ColoursAndPaintingReachThePixels) {
  const QImage image = grab();
  image.save(QString::fromStdString(testsupport::picturePath("sample-dialog.png")));
  EXPECT_EQ(image.pixelColor(2, 2), QColor(0, 0, 140));
  EXPECT_GT(countNear(image, pixels(kPlainLabel), QColor(255, 255, 0), 40), 5);
  EXPECT_GT(countNear(image, pixels(kPrettyLabel), QColor(255, 255, 255), 40), 5);
  EXPECT_EQ(countNear(image, pixels(kPrettyLabel), QColor(255, 255, 0), 40), 0);
  const QRect edit = pixels(kPlainEdit).adjusted(4, 4, -4, -4);
  EXPECT_GT(countNear(image, edit, QColor(150, 150, 150), 0), edit.width() * edit.height() / 2);
  QTest::keyClicks(window->widgetOf(kPlainEdit), "MMMM");
  EXPECT_GT(countNear(grab(), edit, QColor(0, 0, 0), 60), 5);
  const QRect group = pixels(kGroup);  // OnPaint's line runs right from the group's centre
  const QPoint onLine(group.x() + group.width() / 2 + 40, group.y() + group.height() / 2 + 4);
  EXPECT_TRUE(near(image.pixelColor(onLine), QColor(255, 0, 0), 8));
  EXPECT_GT(countNear(image, group, QColor(255, 0, 0), 8), 80);
}

// A control repaints itself as the user types and its caret blinks; the dialog's OnPaint runs
// only when the dialog itself is invalidated, and what it drew stays beneath the controls.
TEST_F(Binder, ChildRepaintsLeaveTheDialogsPaintAloneUntilItIsInvalidated) {
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.paints > 0; }));
  const int paints = dialog.paints;
  QTest::keyClicks(window->widgetOf(kPlainEdit), "typed");
  dialog.SetDlgItemText(kPlainLabel, "Relabelled");
  QTest::qWait(2 * QApplication::cursorFlashTime());
  EXPECT_EQ(dialog.paints, paints);
  const QRect group = pixels(kGroup);
  EXPECT_GT(countNear(grab(), group, QColor(255, 0, 0), 8), 80) << "the kept picture";
  dialog.Invalidate();
  EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.paints == paints + 1; }));
}

// The platform draws an up-down's arrows dark on a light button face; the dialog's colour table
// does not reach them.
TEST_F(Binder, UpDownArrowsAreDarkOnALightFace) {
  const QImage image = grab();
  for (int id : {kSpin, kSpinNoBuddy}) {
    const QRect area = pixels(id).adjusted(1, 1, -1, -1);
    EXPECT_EQ(countNear(image, area, QColor(255, 255, 0), 90), 0) << id;
    EXPECT_GT(countNear(image, area, QColor(80, 80, 80), 40), 3) << id;  // the arrows
    EXPECT_GT(countNear(image, area, QColor(235, 235, 235), 30), area.width() * area.height() / 3) << id;
  }
}

TEST_F(Binder, TimersTickTheModel) {
  dialog.SetTimer(7, 10);
  QTest::qWait(100);
  dialog.KillTimer(7);
  const int ticks = dialog.ticks;
  EXPECT_GT(ticks, 0);
  QTest::qWait(50);
  EXPECT_EQ(dialog.ticks, ticks);
}

}  // namespace
