#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "TestDialog.h"
#include "platform/ui/DialogUnits.h"

namespace ui::test {
namespace {

struct Recorder : DialogObserver {
  std::vector<std::pair<int, ControlChange>> controls;
  std::vector<DialogChange> dialogs;
  std::vector<std::pair<int, int>> timers;
  void controlChanged(int index, ControlChange what) override { controls.emplace_back(index, what); }
  void dialogChanged(DialogChange what) override { dialogs.push_back(what); }
  void timerChanged(int id, int ms) override { timers.emplace_back(id, ms); }
};

TEST(DialogObserverTest, EveryModelChangeIsReported) {
  LoggingDialog d;
  Recorder r;
  d.create();
  d.setObserver(&r);
  const int edit = d.indexOf(1000);
  d.SetDlgItemText(1000, "a");
  d.EnableWindow(1011, false);
  d.ShowWindow(1003, false);
  d.SetCurSel(1002, 0);
  d.CheckDlgButton(1003, 0);
  d.SetPos(1009, 3);
  d.SetControlFont(1000, "Courier");
  d.SetControlColours(1000, Colours{{0, 0, 0}, {1, 1, 1}});
  d.SetControlRect(1000, {0, 0, 1, 1});
  d.SetWindowText("New");
  d.SetDialogSize(10, 10);
  d.Invalidate();
  d.SetTimer(3, 50);
  d.KillTimer(3);
  d.SetTimer(4, -5);  // as often as possible, told apart from a kill
  d.EndDialog(1);
  using C = ControlChange;
  const std::vector<std::pair<int, ControlChange>> expected{{edit, C::Text},
                                                            {d.indexOf(1011), C::Enabled},
                                                            {d.indexOf(1003), C::Visible},
                                                            {d.indexOf(1002), C::Selection},
                                                            {d.indexOf(1003), C::Check},
                                                            {d.indexOf(1009), C::UpDown},
                                                            {edit, C::Font},
                                                            {edit, C::Colours},
                                                            {edit, C::Geometry}};
  EXPECT_EQ(r.controls, expected);
  EXPECT_EQ(r.dialogs, (std::vector<DialogChange>{DialogChange::Caption, DialogChange::Size,
                                                  DialogChange::Invalidate, DialogChange::Ended}));
  EXPECT_EQ(r.timers, (std::vector<std::pair<int, int>>{{3, 50}, {3, kTimerKilled}, {4, 0}}));
  EXPECT_EQ(d.timers(), (std::map<int, int>{{4, 0}}));
  EXPECT_EQ(d.GetWindowText(), "New");
  d.setObserver(nullptr);
  d.destroy();
}

TEST(DialogColours, ControlsChooseColoursByKindUnlessTheyHaveTheirOwn) {
  struct Coloured : LoggingDialog {
    std::optional<Colours> OnCtlColor(const ControlState* c, ColourKind kind) override {
      if (c && c->ownColours) return Dialog::OnCtlColor(c, kind);
      return Colours{{static_cast<std::uint8_t>(kind), 0, 0}, {0, 0, 0}};
    }
  } d;
  d.create();
  auto kindOf = [&](int id) { return static_cast<ColourKind>(d.effectiveColours(d.indexOf(id))->text.r); };
  EXPECT_EQ(kindOf(1000), ColourKind::Edit);
  EXPECT_EQ(kindOf(1001), ColourKind::Static);  // read-only edit
  EXPECT_EQ(kindOf(1002), ColourKind::Edit);
  EXPECT_EQ(kindOf(1003), ColourKind::Static);
  EXPECT_EQ(kindOf(1011), ColourKind::Button);
  EXPECT_EQ(static_cast<ColourKind>(d.dialogColours()->text.r), ColourKind::Dialog);
  d.SetControlColours(1000, Colours{{9, 9, 9}, {8, 8, 8}});
  EXPECT_EQ(d.effectiveColours(d.indexOf(1000))->text, (Rgb{9, 9, 9}));
  d.destroy();
}

TEST(DialogUnitsTest, BaseUnitsFollowTheWindowsRule) {
  // 8-point MS Sans Serif: the 52 letters are 286 pixels wide, the font 13 high.
  EXPECT_EQ(baseUnitsFromFont(286, 13), (BaseUnits{6, 13}));
  EXPECT_EQ(baseUnitsFromFont(338, 15), (BaseUnits{7, 15}));
}

TEST(DialogUnitsTest, ConversionRoundsEachValueToNearest) {
  const BaseUnits base{6, 13};
  EXPECT_EQ(dialogToPixels(Rect{26, 93, 50, 14}, base), (Rect{39, 151, 75, 23}));
  EXPECT_EQ(dialogToPixels(Rect{1, 1, 3, 3}, base), (Rect{2, 2, 5, 5}));
  EXPECT_EQ(dialogToPixels(Size{205, 117}, base), (Size{308, 190}));
  EXPECT_EQ(dialogToPixels(Rect{-1, -1, 0, 0}, base), (Rect{-2, -2, 0, 0}));
}

}  // namespace
}  // namespace ui::test
