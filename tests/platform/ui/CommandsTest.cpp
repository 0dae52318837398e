// The system menu items a dialog adds and the copy and paste keys: what reaches the dialog, and
// when nothing does.
#include <gtest/gtest.h>

#include "TestDialog.h"
#include "platform/ui/Services.h"
#include "platform/ui/testing/ScriptedServices.h"

namespace ui::test {
namespace {

// Adds an About item at initialisation; copies the edit's text and logs what it pastes.
class CommandDialog : public LoggingDialog {
 protected:
  bool OnInitDialog() override {
    AppendSystemMenu(0, "");
    AppendSystemMenu(0x0010, "&About...");
    return LoggingDialog::OnInitDialog();
  }
  void OnSysCommand(unsigned id) override { events.push_back("syscommand " + std::to_string(id)); }
  void OnEditCopy() override { services().setClipboard({.text = GetDlgItemText(1000)}); }
  void OnEditPaste() override { events.push_back("paste " + services().clipboardText()); }
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

TEST_F(Commands, CopyAndPasteReachTheDialogUnlessAnEditHasTheFocus) {
  dialog.create();
  ASSERT_TRUE(dialog.setText(1000, "4.25"));  // the focus is now in the edit
  services_.setClipboard({.text = "before"});
  dialog.events.clear();
  dialog.copy();
  dialog.paste();
  EXPECT_EQ(services_.clipboard().size(), 1u) << "the edit copies its own text";
  EXPECT_TRUE(dialog.events.empty()) << "the edit pastes into its own text";
  ASSERT_TRUE(dialog.focus(1002));
  dialog.copy();
  EXPECT_EQ(services_.clipboardText(), "4.25");
  dialog.events.clear();
  dialog.paste();
  EXPECT_EQ(dialog.events, std::vector<std::string>{"paste 4.25"});
  dialog.pressEscape();
  dialog.events.clear();
  dialog.paste();
  dialog.copy();
  EXPECT_TRUE(dialog.events.empty()) << "ended";
  EXPECT_EQ(services_.clipboard().size(), 2u) << "ended";
  dialog.destroy();
}

TEST(PlainDialog, CopiesAndPastesNothing) {
  ui::testing::ScriptedServices services;
  ScopedServices installed{services};
  LoggingDialog plain;
  plain.create();
  plain.copy();
  plain.paste();
  EXPECT_TRUE(services.clipboard().empty());
  EXPECT_TRUE(plain.systemMenu().empty());
  plain.destroy();
}

}  // namespace
}  // namespace ui::test
