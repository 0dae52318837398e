#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/CommandLine.h"
#include "platform/ui/ModalRun.h"
#include "platform/ui/Services.h"
#include "runtime/skeleton/CPrettyControls.h"
#include "runtime/skeleton/CPrettyDialog.h"

namespace {

using ui::ControlKind;

const ui::DialogTemplate& prettyTemplate() {
  static const ui::DialogTemplate t{.id = 102,
                                    .caption = "Pretty",
                                    .size = {150, 80},
                                    .controls = {
                                        {ui::kAnonymous, ControlKind::Static, "plain", {5, 5, 40, 8}},
                                        {1000, ControlKind::Edit, "", {50, 5, 60, 12}},
                                        {1001, ControlKind::Edit, "", {50, 20, 60, 12}},
                                        {1002, ControlKind::Static, "pretty", {5, 20, 40, 8}},
                                        {1003, ControlKind::PushButton, "Push", {5, 40, 40, 14}},
                                        {ui::IDOK, ControlKind::DefPushButton, "OK", {50, 60, 40, 14}},
                                    }};
  return t;
}

class Pretty : public CPrettyDialog {
 public:
  Pretty() : CPrettyDialog(prettyTemplate()) {
    number.SetNumeric(1);
    label.SetColours(skeleton::kWhite, skeleton::kDialogBack);
    SubclassDlgItem(1001, number);
    SubclassDlgItem(1002, label);
  }
  CPrettyEdit number;
  CPrettyStatic label;
  int firstShows = 0;

 protected:
  void OnFirstShow() override {
    ++firstShows;
    CPrettyDialog::OnFirstShow();
  }
};

std::vector<std::string> parse(const std::string& line, Pretty& dialog) {
  platform::setCommandLine(std::vector<std::string>{line});
  ::testing::internal::CaptureStdout();
  const int count = dialog.ParseCommandLine();
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Parsed\n");
  EXPECT_EQ(count, dialog.argCount);
  std::vector<std::string> words;
  for (int j = 0; j <= count; ++j) words.emplace_back(dialog.argv[j]);
  if (count + 1 < CPrettyDialog::kMaxArgs) {
    EXPECT_EQ(dialog.argv[count + 1], nullptr);
  }
  return words;
}

using Words = std::vector<std::string>;

TEST(ParseCommandLine, SplitsAtBlanks) {
  Pretty d;
  EXPECT_EQ(parse("/usr/bin/solvesetup", d), (Words{"/usr/bin/solvesetup"}));
  EXPECT_EQ(d.argCount, 0);
  EXPECT_EQ(parse("  tool   /TAG:DATA:SM:K1 \t x  \t ", d), (Words{"tool", "/TAG:DATA:SM:K1", "x"}));
  EXPECT_EQ(parse("\"C:\\my tools\\a.exe\" -dyn", d), (Words{"\"C:\\my", "tools\\a.exe\"", "-dyn"}));
  EXPECT_EQ(parse("a\tb c", d), (Words{"a\tb", "c"}));
}

TEST(ParseCommandLine, EmptyLineGivesNoWord) {
  Pretty d;
  EXPECT_TRUE(parse("   ", d).empty());
  EXPECT_EQ(d.argCount, -1);
}

TEST(ParseCommandLine, KeepsTheFirstTenWords) {
  Pretty d;
  std::string line;
  Words expected;
  for (int i = 0; i < 14; ++i) {
    line += "w" + std::to_string(i) + " ";
    if (i < 10) expected.push_back("w" + std::to_string(i));
  }
  EXPECT_EQ(parse(line, d), expected);
  EXPECT_EQ(d.argCount, 9);
}

TEST(PrettyDialog, ColourScheme) {
  Pretty d;
  d.create();
  auto colours = [&](int index) { return d.effectiveColours(index).value(); };
  const ui::Colours yellowOnBlue{skeleton::kDialogText, skeleton::kDialogBack};
  EXPECT_EQ(d.dialogColours().value(), yellowOnBlue);
  EXPECT_EQ(colours(0), yellowOnBlue);  // plain static
  EXPECT_EQ(colours(d.indexOf(1000)), (ui::Colours{{0, 0, 0}, {150, 150, 150}}));
  EXPECT_EQ(colours(d.indexOf(1001)), (ui::Colours{{0, 0, 0}, {150, 150, 150}}));
  EXPECT_EQ(colours(d.indexOf(1002)), (ui::Colours{{255, 255, 255}, {0, 0, 140}}));
  EXPECT_FALSE(d.effectiveColours(d.indexOf(1003)).has_value());  // buttons keep the platform's
  d.label.SetColours({255, 0, 0}, {0, 0, 0});
  EXPECT_EQ(colours(d.indexOf(1002)), (ui::Colours{{255, 0, 0}, {0, 0, 0}}));
  d.destroy();
}

TEST(PrettyEdit, NumericEditFiltersKeysAndUsesCourier) {
  Pretty d;
  d.create();
  EXPECT_EQ(d.control(1001).fontFace, "Courier");
  EXPECT_EQ(d.control(1000).fontFace, "");
  d.showDialog(true);
  for (char ch : std::string("a-1.5xe+3")) d.typeChar(1001, ch);
  EXPECT_EQ(d.GetDlgItemText(1001), "-1.5e+3");
  for (char ch : std::string("a-1")) d.typeChar(1000, ch);
  EXPECT_EQ(d.GetDlgItemText(1000), "a-1");
  d.number.SetFaceName("DejaVu Sans Mono");
  EXPECT_EQ(d.control(1001).fontFace, "DejaVu Sans Mono");
  d.destroy();
}

TEST(PrettyDialog, FirstShowRunsOnceEvenWhenShownAgain) {
  Pretty d;
  d.create();
  EXPECT_EQ(d.firstShows, 0);
  d.showDialog(true);
  d.showDialog(false);
  d.showDialog(true);
  EXPECT_EQ(d.firstShows, 1);
  EXPECT_EQ(d.firstShow, 0);
  d.destroy();
}

TEST(PrettyDialog, MoveControlKeepsTheSize) {
  Pretty d;
  d.create();
  d.MoveControl(1, 29, 183);
  EXPECT_EQ(d.control(1).rect, (ui::Rect{29, 183, 40, 14}));
  d.SetDialogSize(232, 225);
  EXPECT_EQ(d.dialogSize(), (ui::Size{232, 225}));
  d.destroy();
}

}  // namespace
