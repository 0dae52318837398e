// The system menu items a dialog adds and the copy and paste keys: what reaches the dialog, and
// when nothing does.
#include <gtest/gtest.h>

#include "TestDialog.h"
#include "platform/ui/Services.h"
#include "platform/ui/testing/ScriptedServices.h"

namespace ui::test {
namespace {

// Adds an About item at initialisation; copies the edit's text only while the focus is not in it.
class CommandDialog : public LoggingDialog {
 protected:
  bool OnInitDialog() override {
    AppendSystemMenu(0, "");
    AppendSystemMenu(0x0010, "&About...");
    return LoggingDialog::OnInitDialog();
  }
  void OnSysCommand(unsigned id) override { events.push_back("syscommand " + std::to_string(id)); }
  bool OnCopy() override {
    if (GetFocus() == 1000) return false;
    services().setClipboardText(GetDlgItemText(1000));
    return true;
  }
  bool OnPaste() override {
    events.push_back("paste " + services().clipboardText());
    return true;
  }
};

class Commands : public ::testing::Test {
 protected:
  ui::testing::ScriptedServices services_;
  ScopedServices installed_{services_};
  CommandDialog dialog;
};

TEST_F(Commands, SystemMenuItemsReachTheDialogWhileItRuns) {
  EXPECT_FALSE(dialog.systemCommand(0x0010)) << "not created";
  dialog.create();
  dialog.create();  // a second creation starts the menu afresh
  const std::vector<MenuItem> expected = {{0, ""}, {0x0010, "&About..."}};
  EXPECT_EQ(dialog.systemMenu(), expected);
  dialog.events.clear();
  EXPECT_TRUE(dialog.systemCommand(0x0010));
  EXPECT_TRUE(dialog.systemCommand(0xF060));
  EXPECT_EQ(dialog.events, (std::vector<std::string>{"syscommand 16", "syscommand 61536"}));
  dialog.pressEscape();
  EXPECT_FALSE(dialog.systemCommand(0x0010)) << "ended";
  dialog.destroy();
}

TEST_F(Commands, CopyAndPasteAreTheDialogsOnlyWhereItTakesThem) {
  dialog.create();
  ASSERT_TRUE(dialog.setText(1000, "4.25"));  // the focus is now in the edit
  services_.setClipboardText("before");
  EXPECT_FALSE(dialog.copy()) << "the edit copies its own text";
  EXPECT_EQ(services_.clipboardText(), "before");
  ASSERT_TRUE(dialog.focus(1002));
  EXPECT_TRUE(dialog.copy());
  EXPECT_EQ(services_.clipboardText(), "4.25");
  dialog.events.clear();
  EXPECT_TRUE(dialog.paste());
  EXPECT_EQ(dialog.events, std::vector<std::string>{"paste 4.25"});
  dialog.pressEscape();
  EXPECT_FALSE(dialog.paste());
  EXPECT_FALSE(dialog.copy());
  dialog.destroy();
}

TEST(PlainDialog, TakesNeitherCopyNorPaste) {
  LoggingDialog plain;
  plain.create();
  EXPECT_FALSE(plain.copy());
  EXPECT_FALSE(plain.paste());
  EXPECT_TRUE(plain.systemMenu().empty());
  plain.destroy();
}

}  // namespace
}  // namespace ui::test
