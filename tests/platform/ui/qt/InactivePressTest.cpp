// A modal child that closes may leave the keyboard focus outside the tool (X without a window
// manager does), so the next press lands on a dialog that is not active and that turns active
// a moment later, while the mouse button is still down. Such a press must act as on an active
// dialog, for every control kind: the focus moves first, then the click.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

#include "BinderFixture.h"

namespace {

using namespace sample;
using namespace binder_test;

class InactivePress : public Binder {
 protected:
  // Presses while another window is active, lets the dialog turn active (as the server's focus
  // event does after the press), waits as long as a person holds the button, releases.
  void holdClickWhileInactive(QWidget* target) {
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    ASSERT_FALSE(window->isActiveWindow());
    QTest::mousePress(target, Qt::LeftButton);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::qWait(50);
    QTest::mouseRelease(target, Qt::LeftButton);
  }

  QWidget elsewhere;
};

TEST_F(InactivePress, ButtonsCheckBoxesRadiosAndArrowsAct) {
  for (int id : {kPush, kCheck, kRadioB}) {
    holdClickWhileInactive(window->widgetOf(id));
    EXPECT_EQ(dialog.GetFocus(), id);
    EXPECT_TRUE(window->widgetOf(id)->hasFocus()) << id;
  }
  holdClickWhileInactive(window->widgetOf(kSpinNoBuddy)->findChildren<QToolButton*>().at(0));
  EXPECT_EQ(dialog.events, (Events{"killfocus 1000", "click 1011", "killfocus 1011", "click 1004",
                                   "killfocus 1004", "click 1006", "deltapos -1 1009"}));
  EXPECT_EQ(dialog.IsDlgButtonChecked(kCheck), 1);
  EXPECT_TRUE(widget<QAbstractButton>(kRadioB)->isChecked());
}

TEST_F(InactivePress, AnEditTakesTheFocusSoThatTypingGoesThere) {
  holdClickWhileInactive(window->widgetOf(kNumberEdit));
  EXPECT_EQ(dialog.GetFocus(), kNumberEdit);
  QTest::keyClicks(QApplication::focusWidget(), "7");
  EXPECT_EQ(dialog.GetDlgItemText(kNumberEdit), "1.57");
  EXPECT_EQ(dialog.GetDlgItemText(kPlainEdit), "");
  EXPECT_EQ(dialog.events, (Events{"killfocus 1000"}));
}

TEST_F(InactivePress, ADropDownListTakesTheFocusAndOpens) {
  QComboBox* list = widget<QComboBox>(kList);
  holdClickWhileInactive(list);
  EXPECT_EQ(dialog.GetFocus(), kList);
  EXPECT_TRUE(list->view()->isVisible());
  list->hidePopup();
}

}  // namespace
