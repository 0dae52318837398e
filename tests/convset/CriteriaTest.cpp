// The criteria the user switches and the level arrows: the RMS change pair, the optional
// criteria and their tolerances, the check boxes that cannot be switched off, the wrap rules.
#include <climits>

#include "tests/convset/ConvergenceFixture.h"

namespace convset::test {
namespace {

void expectChangePair(const CConvergenceDlg& dialog, int local, int total) {
  EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_LOCAL_CHANGE), local);
  EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_TOTAL_CHANGE), total);
  EXPECT_EQ(dialog.IsWindowEnabled(IDC_LOCAL_CHANGE_VALUE), local == 1);
  EXPECT_EQ(dialog.IsWindowEnabled(IDC_TOTAL_CHANGE_VALUE), total == 1);
}

TEST_F(ConvergenceTest, ChangePairSwitchesOverAndAClickOnTheSelectedOneClearsIt) {
  run(kStructural, [](CConvergenceDlg& dialog) {
    expectChangePair(dialog, 1, 0);
    ASSERT_TRUE(dialog.click(IDC_TOTAL_CHANGE));
    expectChangePair(dialog, 0, 1);
    ASSERT_TRUE(dialog.click(IDC_LOCAL_CHANGE));
    expectChangePair(dialog, 1, 0);
    ASSERT_TRUE(dialog.click(IDC_LOCAL_CHANGE));
    expectChangePair(dialog, 0, 0);
    ASSERT_TRUE(dialog.click(IDC_TOTAL_CHANGE));
    ASSERT_TRUE(dialog.click(IDC_TOTAL_CHANGE));
    expectChangePair(dialog, 0, 0);
    dialog.pressEnter();
  });
  EXPECT_EQ(host.data().localChangeSelected, 0);
  EXPECT_EQ(host.data().totalChangeSelected, 0);
}

TEST_F(ConvergenceTest, TotalErrorCarriesMaxTracAndTheirTolerances) {
  run(kFrequency, [](CConvergenceDlg& dialog) {
    ASSERT_TRUE(dialog.click(IDC_TOTAL_ERROR));  // off: Max Trac goes with it
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_TOTAL_ERROR), 0);
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_MAX_TRAC), 0);
    for (const int id : {IDC_TOTAL_ERROR_VALUE, IDC_MAX_TRAC, IDC_MAX_TRAC_VALUE}) {
      EXPECT_FALSE(dialog.IsWindowEnabled(id)) << id;
    }
    ASSERT_TRUE(dialog.click(IDC_TOTAL_ERROR));  // on again: Max Trac can be chosen, is not
    EXPECT_TRUE(dialog.IsWindowEnabled(IDC_TOTAL_ERROR_VALUE));
    EXPECT_TRUE(dialog.IsWindowEnabled(IDC_MAX_TRAC));
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_MAX_TRAC), 0);
    EXPECT_FALSE(dialog.IsWindowEnabled(IDC_MAX_TRAC_VALUE));
    ASSERT_TRUE(dialog.click(IDC_MAX_TRAC));
    EXPECT_TRUE(dialog.IsWindowEnabled(IDC_MAX_TRAC_VALUE));
    ASSERT_TRUE(dialog.click(IDC_MAX_TRAC));
    EXPECT_FALSE(dialog.IsWindowEnabled(IDC_MAX_TRAC_VALUE));
    EXPECT_FALSE(dialog.click(IDC_MAX_TRAC_VALUE)) << "a disabled field takes no click";
    dialog.pressEnter();
  });
  EXPECT_EQ(host.data().totalErrorSelected, 1);
  EXPECT_EQ(host.data().maxTracSelected, 0);
}

// A click on a criterion reads the fields before it pushes them back: what was typed stays.
TEST_F(ConvergenceTest, TypedTolerancesSurviveClicksOnCriteria) {
  run(kStructural, [](CConvergenceDlg& dialog) {
    type(dialog, IDC_MAX_TRAC_VALUE, "12.5");
    type(dialog, IDC_DISPLACEMENT_VALUE, "1e1");
    ASSERT_TRUE(dialog.click(IDC_TOTAL_CHANGE));
    ASSERT_TRUE(dialog.click(IDC_MAX_TRAC));
    ASSERT_TRUE(dialog.click(IDC_MAX_TRAC));
    EXPECT_EQ(dialog.GetDlgItemText(IDC_MAX_TRAC_VALUE), "12.5");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_DISPLACEMENT_VALUE), "1e1");
    dialog.pressEnter();
  });
  EXPECT_DOUBLE_EQ(host.data().maxTracValue, 12.5);
  EXPECT_DOUBLE_EQ(host.data().mainValue, 10.0);
  EXPECT_EQ(host.data().maxTracSelected, 1);
}

TEST_F(ConvergenceTest, FrequencyAndDisplacementCannotBeSwitchedOff) {
  run(
      kFrequency,
      [](CConvergenceDlg& dialog) {
        for (const int id : {IDC_DISPLACEMENT, IDC_FREQUENCY, IDC_DISPLACEMENT, IDC_FREQUENCY}) {
          ASSERT_TRUE(dialog.click(id));
          EXPECT_EQ(dialog.IsDlgButtonChecked(id), 1) << id;
        }
        dialog.pressEnter();
      },
      [](ConvergenceBlock& b) { b.mainSelected = 0; });
  EXPECT_EQ(host.data().freqDispSelected, 1);
  EXPECT_EQ(host.data().mainSelected, 1);
}

struct ArrowCase {
  int levelMin, levelMax;
  int spin;
  bool up;
  int shown;  // the stepped level
};

class ArrowTest : public ConvergenceTest, public testing::WithParamInterface<ArrowCase> {};

TEST_P(ArrowTest, StepsAndJumpsAtTheEnds) {
  const ArrowCase c = GetParam();
  const int edit = c.spin == IDC_LEVEL_MIN_SPIN ? IDC_LEVEL_MIN : IDC_LEVEL_MAX;
  run(
      kStructural,
      [&](CConvergenceDlg& dialog) {
        arrow(dialog, c.spin, c.up);
        EXPECT_EQ(dialog.GetDlgItemText(edit), std::to_string(c.shown));
        EXPECT_EQ(dialog.GetFocus(), edit) << "the arrow gives its field the focus";
        dialog.pressEnter();
      },
      [&](ConvergenceBlock& b) {
        b.levelMin = c.levelMin;
        b.levelMax = c.levelMax;
      });
  const int expectedMin = c.spin == IDC_LEVEL_MIN_SPIN ? c.shown : c.levelMin;
  const int expectedMax = c.spin == IDC_LEVEL_MAX_SPIN ? c.shown : c.levelMax;
  EXPECT_EQ(host.data().levelMin, expectedMin);
  EXPECT_EQ(host.data().levelMax, expectedMax);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, ArrowTest,
    testing::Values(
        ArrowCase{4, 10, IDC_LEVEL_MIN_SPIN, true, 5}, ArrowCase{4, 10, IDC_LEVEL_MIN_SPIN, false, 3},
        ArrowCase{3, 10, IDC_LEVEL_MIN_SPIN, false, 2}, ArrowCase{2, 10, IDC_LEVEL_MIN_SPIN, false, 2},
        ArrowCase{8, 9, IDC_LEVEL_MIN_SPIN, true, 9}, ArrowCase{9, 9, IDC_LEVEL_MIN_SPIN, true, 2},
        ArrowCase{INT_MAX, INT_MAX, IDC_LEVEL_MIN_SPIN, true, 2},
        ArrowCase{4, 10, IDC_LEVEL_MAX_SPIN, true, 11}, ArrowCase{4, 10, IDC_LEVEL_MAX_SPIN, false, 9},
        ArrowCase{4, 11, IDC_LEVEL_MAX_SPIN, true, 12}, ArrowCase{4, 12, IDC_LEVEL_MAX_SPIN, true, 12},
        ArrowCase{3, 4, IDC_LEVEL_MAX_SPIN, false, 3}, ArrowCase{3, 3, IDC_LEVEL_MAX_SPIN, false, 12},
        ArrowCase{INT_MIN, INT_MIN, IDC_LEVEL_MAX_SPIN, false, 12}));

}  // namespace
}  // namespace convset::test
