#include <gtest/gtest.h>

#include "TestDialog.h"
#include "platform/ui/ModalRun.h"
#include "platform/ui/Services.h"
#include "platform/ui/testing/ScriptedServices.h"

namespace ui::test {
namespace {

using Events = std::vector<std::string>;

class DialogModel : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog.create();
    dialog.showDialog(true);
    dialog.events.clear();
  }
  void TearDown() override { dialog.destroy(); }
  ui::testing::ScriptedServices services_;
  ScopedServices installed_{services_};
  LoggingDialog dialog;
};

TEST_F(DialogModel, InitDialogLoadsMembersAndFocusesFirstTabStop) {
  EXPECT_EQ(dialog.GetFocus(), 1000);
  EXPECT_EQ(dialog.GetCurSel(1002), 1);
  EXPECT_EQ(dialog.GetDlgItemText(1002), "B");
  EXPECT_EQ(dialog.IsDlgButtonChecked(1003), 1);
  EXPECT_EQ(dialog.shows, 1);
}

TEST_F(DialogModel, InitialFocusSkipsDisabledAndHiddenControls) {
  DialogTemplate t = everyKindTemplate();
  t.controls[1].style |= style::Disabled;
  t.controls[2].style |= style::Hidden;
  LoggingDialog other(t);
  other.create();
  EXPECT_EQ(other.GetFocus(), 1002);
  other.destroy();
}

TEST_F(DialogModel, ClickTakesFocusBeforeItsHandlerRuns) {
  dialog.click(1011);
  EXPECT_EQ(dialog.events, (Events{"killfocus 1000", "setfocus 1011", "click 1011"}));
  EXPECT_EQ(dialog.GetFocus(), 1011);
}

TEST_F(DialogModel, OkButtonSavesDataAfterTheFocusLeavesTheEdit) {
  dialog.typeChar(1000, 'x');
  dialog.click(1);
  EXPECT_EQ(dialog.events, (Events{"change 1000", "killfocus 1000", "setfocus 1", "ok 1"}));
  EXPECT_TRUE(dialog.ended());
  EXPECT_EQ(dialog.modalResult(), IDOK);
  EXPECT_EQ(dialog.text, "x");
}

TEST_F(DialogModel, EnterAndEscapeKeepTheFocus) {
  dialog.pressEnter();
  EXPECT_EQ(dialog.events, (Events{"ok 1"}));
  EXPECT_EQ(dialog.GetFocus(), 1000);
  LoggingDialog second;
  second.create();
  second.events.clear();
  second.pressEscape();
  EXPECT_EQ(second.events, (Events{"cancel 2"}));
  EXPECT_EQ(second.modalResult(), IDCANCEL);
  second.destroy();
}

TEST_F(DialogModel, EnterPressesTheFocusedPushButton) {
  dialog.focus(2);
  dialog.events.clear();
  dialog.pressEnter();
  EXPECT_EQ(dialog.events, (Events{"cancel 2"}));
}

TEST_F(DialogModel, EnterDoesNothingWhileTheDefaultButtonIsDisabled) {
  dialog.EnableWindow(1, false);
  dialog.pressEnter();
  EXPECT_TRUE(dialog.events.empty());
  EXPECT_FALSE(dialog.ended());
}

TEST_F(DialogModel, CloseBoxCancels) {
  dialog.closeBox();
  EXPECT_EQ(dialog.events, (Events{"cancel 2"}));
}

TEST_F(DialogModel, DisabledOrHiddenControlsTakeNoUserEvents) {
  dialog.EnableWindow(1011, false);
  dialog.ShowWindow(1003, false);
  EXPECT_FALSE(dialog.click(1011));
  EXPECT_FALSE(dialog.click(1003));
  EXPECT_EQ(dialog.IsDlgButtonChecked(1003), 1);
  EXPECT_TRUE(dialog.events.empty());
  EXPECT_EQ(dialog.GetFocus(), 1000);
}

TEST_F(DialogModel, DisablingTheFocusedControlTakesItsFocus) {
  dialog.EnableWindow(1000, false);
  EXPECT_EQ(dialog.GetFocus(), kNoFocus);
  EXPECT_EQ(dialog.events, (Events{"killfocus 1000"}));
}

TEST_F(DialogModel, EndedDialogTakesNoMoreEvents) {
  dialog.EndDialog(7);
  EXPECT_FALSE(dialog.click(1011));
  dialog.pressEnter();
  EXPECT_TRUE(dialog.events.empty());
  EXPECT_EQ(dialog.modalResult(), 7);
}

TEST_F(DialogModel, CheckBoxAndRadioGroups) {
  dialog.click(1003);
  EXPECT_EQ(dialog.IsDlgButtonChecked(1003), 0);
  dialog.click(1004);
  dialog.click(1006);
  EXPECT_EQ(dialog.IsDlgButtonChecked(1004), 1);  // 1006 starts another group
  dialog.click(1005);
  EXPECT_EQ(dialog.IsDlgButtonChecked(1004), 0);
  EXPECT_EQ(dialog.IsDlgButtonChecked(1005), 1);
  EXPECT_EQ(dialog.IsDlgButtonChecked(1006), 1);
  dialog.click(1005);
  EXPECT_EQ(dialog.IsDlgButtonChecked(1005), 1);
}

TEST_F(DialogModel, ListSelection) {
  EXPECT_TRUE(dialog.select(1002, 2));
  EXPECT_EQ(dialog.events, (Events{"killfocus 1000", "setfocus 1002", "select 1002"}));
  EXPECT_FALSE(dialog.select(1002, 3));
  EXPECT_EQ(dialog.SetCurSel(1002, 5), -1);
  EXPECT_EQ(dialog.GetCurSel(1002), -1);
  EXPECT_EQ(dialog.GetDlgItemText(1002), "");
  EXPECT_EQ(dialog.SetCurSel(1002, 0), 0);
  EXPECT_EQ(dialog.SetCurSel(1002, -1), -1);
  EXPECT_EQ(dialog.GetCurSel(1002), -1);
  EXPECT_EQ(dialog.AddString(1002, "D"), 3);
  dialog.SetCurSel(1002, 3);
  EXPECT_EQ(dialog.DeleteString(1002, 1), 3);
  EXPECT_EQ(dialog.GetCurSel(1002), 2);
  EXPECT_EQ(dialog.GetLBText(1002, 2), "D");
  dialog.DeleteString(1002, 2);
  EXPECT_EQ(dialog.GetCurSel(1002), -1);
  EXPECT_EQ(dialog.DeleteString(1002, 9), -1);
}

TEST_F(DialogModel, NumericFilterAndReadOnlyEdits) {
  dialog.SetNumericFilter(1000, true);
  for (char ch : std::string("a-1.5xe+3")) dialog.typeChar(1000, ch);
  EXPECT_EQ(dialog.GetDlgItemText(1000), "-1.5e+3");
  dialog.typeChar(1000, '\b');
  EXPECT_EQ(dialog.GetDlgItemText(1000), "-1.5e+");
  EXPECT_FALSE(dialog.typeChar(1001, '1'));
  EXPECT_FALSE(dialog.setText(1001, "x"));
  EXPECT_EQ(dialog.GetDlgItemText(1001), "fixed");
}

TEST_F(DialogModel, UpDownWithBuddyTakesTheFocusToTheBuddyFirst) {
  dialog.SetRange(1008, 0, 5);
  dialog.upDown(1008, dialog.arrowDelta(1008, true));
  EXPECT_EQ(dialog.events, (Events{"killfocus 1000", "setfocus 1007", "deltapos 0 1 1008"}));
  EXPECT_EQ(dialog.GetPos(1008), 1);
}

TEST_F(DialogModel, UpDownWithoutBuddyKeepsTheFocusAndHonoursTheHandler) {
  // The default range runs from 100 down to 0: the up arrow asks for -1.
  EXPECT_EQ(dialog.arrowDelta(1009, true), -1);
  dialog.upDown(1009, dialog.arrowDelta(1009, false));
  EXPECT_EQ(dialog.events, (Events{"deltapos 0 1 1009"}));
  EXPECT_EQ(dialog.GetPos(1009), 1);
  dialog.allowSteps = false;
  dialog.upDown(1009, 1);
  EXPECT_EQ(dialog.GetPos(1009), 1);
  dialog.allowSteps = true;
  dialog.SetRange(1009, 0, 1);
  dialog.upDown(1009, 1);
  EXPECT_EQ(dialog.GetPos(1009), 1);  // kept within the range, the request still told
  EXPECT_EQ(dialog.events.size(), 3u);
  EXPECT_EQ(dialog.GetFocus(), 1000);
}

TEST_F(DialogModel, IntegerExchangeRefusesTextThatIsNoWholeNumber) {
  struct IntDialog : LoggingDialog {
    int level = 4;
    int after = 9;
    void DoDataExchange(DataExchange& dx) override {
      dx.text(1007, level);
      dx.text(1000, after);
    }
  } d;
  d.create();
  EXPECT_EQ(d.GetDlgItemText(1007), "4");
  d.SetDlgItemText(1007, " 12 ");
  d.SetDlgItemText(1000, "5");
  EXPECT_TRUE(d.UpdateData(true));
  EXPECT_EQ(d.level, 12);
  d.SetDlgItemText(1007, "1.5");
  d.SetDlgItemText(1000, "6");
  EXPECT_FALSE(d.UpdateData(true));
  EXPECT_EQ(d.level, 12);
  EXPECT_EQ(d.after, 5);
  EXPECT_EQ(d.GetFocus(), 1007);
  ASSERT_EQ(services_.boxes().size(), 1u);
  EXPECT_EQ(services_.boxes()[0].text, "Please enter an integer.");
  EXPECT_EQ(services_.boxes()[0].icon, MB_ICONEXCLAMATION);
  d.destroy();
}

TEST(WholeNumber, Grammar) {
  int v = 0;
  EXPECT_TRUE(parseWholeNumber("-7", v));
  EXPECT_EQ(v, -7);
  EXPECT_TRUE(parseWholeNumber("+8 ", v));
  EXPECT_EQ(v, 8);
  EXPECT_FALSE(parseWholeNumber("", v));
  EXPECT_FALSE(parseWholeNumber("+-1", v));
  EXPECT_FALSE(parseWholeNumber("3x", v));
  EXPECT_FALSE(parseWholeNumber("99999999999", v));
}

TEST_F(DialogModel, DestroyTakesTheFocusAwayBeforeOnDestroy) {
  dialog.pressEnter();
  dialog.destroy();
  EXPECT_EQ(dialog.events, (Events{"ok 1", "killfocus 1000"}));
  dialog.create();  // for TearDown
}

TEST_F(DialogModel, GeometryInPixels) {
  dialog.setBaseUnits({8, 16});
  EXPECT_EQ(dialog.controlRectPixels(1000), (Rect{100, 10, 120, 24}));
  EXPECT_EQ(dialog.clientSize(), (Size{400, 240}));
  dialog.SetDialogSize(100, 50);
  EXPECT_EQ(dialog.clientSize(), (Size{200 - kFrameExtra.cx, 100 - kFrameExtra.cy}));
  dialog.SetControlRect(1000, {1, 2, 3, 4});
  EXPECT_EQ(dialog.control(1000).rect, (Rect{1, 2, 3, 4}));
  EXPECT_THROW(dialog.control(4242), std::out_of_range);
}

TEST(HeadlessRun, RunsTheLifecycleAndReturnsTheResult) {
  LoggingDialog d;
  const int result = runHeadless(d, [](Dialog& running) {
    running.setText(1000, "typed");
    running.click(1);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(d.text, "typed");
  EXPECT_EQ(d.shows, 1);
  EXPECT_FALSE(d.created());
  LoggingDialog open;
  EXPECT_EQ(runHeadless(open, nullptr), -1);
}

TEST(HeadlessRun, DialogEndedInInitIsNeverShown) {
  struct Failing : LoggingDialog {
    bool OnInitDialog() override {
      EndDialog(IDCANCEL);
      return true;
    }
  } d;
  bool scripted = false;
  EXPECT_EQ(runHeadless(d, [&](Dialog&) { scripted = true; }), IDCANCEL);
  EXPECT_FALSE(scripted);
  EXPECT_EQ(d.shows, 0);
}

TEST(MainDialogRun, NoDialogToRunEndsWithCodeOneAndOpensNothing) {
  ui::testing::ScriptedServices scripted;
  ScopedServices installed(scripted);
  EXPECT_EQ(runMainDialog([] { return std::unique_ptr<Dialog>(); }), 1);
  scripted.onModal(LoggingDialog().dialogTemplate().id, [](Dialog& d) { d.pressEnter(); });
  EXPECT_EQ(runMainDialog([] { return std::make_unique<LoggingDialog>(); }), 0);
  EXPECT_EQ(scripted.modalRuns().size(), 1u);
}

TEST(ScriptedServicesTest, RecordsBoxesAndRunsSubDialogsFromScripts) {
  ui::testing::ScriptedServices scripted;
  ScopedServices installed(scripted);
  scripted.answerNextBox(IDNO);
  EXPECT_EQ(AfxMessageBox("Sure?", MB_YESNO | MB_ICONQUESTION), IDNO);
  LoggingDialog owner;
  EXPECT_EQ(owner.MessageBox("Careful", "Korvena Warning", MB_ICONEXCLAMATION | MB_OK), IDOK);
  ASSERT_EQ(scripted.boxes().size(), 2u);
  EXPECT_EQ(scripted.boxes()[1].caption, "Korvena Warning");
  EXPECT_EQ(scripted.boxes()[0].buttons, MB_YESNO);

  scripted.onModal(200, [](Dialog& d) {
    d.setText(1000, "5");
    d.pressEnter();
  });
  LoggingDialog sub;
  EXPECT_EQ(sub.DoModal(), IDOK);
  EXPECT_EQ(sub.text, "5");
  EXPECT_EQ(scripted.modalRuns(), (std::vector<int>{200}));
  EXPECT_THROW(sub.DoModal(), std::logic_error);
}

TEST(Services, FallbackAnswersWithTheFirstButton) {
  EXPECT_EQ(defaultAnswer(MB_YESNOCANCEL), IDYES);
  EXPECT_EQ(defaultAnswer(MB_OKCANCEL | MB_ICONSTOP), IDOK);
}

}  // namespace
}  // namespace ui::test
