// Every way out of the dialog, with the whole data area compared before and after, so that a
// field written that should not be (or one left alone that should be written) shows.
#include "tests/convset/ConvergenceFixture.h"

namespace convset::test {
namespace {

// The same edits for every kind: a new first tolerance, the lowest level up (4 -> 5), the
// highest level down (10 -> 9) and 20 passes.
void editThenAccept(CConvergenceDlg& dialog) {
  ConvergenceTest::type(dialog, IDC_DISPLACEMENT_VALUE, "3.5");
  ConvergenceTest::arrow(dialog, IDC_LEVEL_MIN_SPIN, true);
  ConvergenceTest::arrow(dialog, IDC_LEVEL_MAX_SPIN, false);
  ConvergenceTest::type(dialog, IDC_PASSES, "20");
  ASSERT_TRUE(dialog.click(1));
}

// What Accept writes after editThenAccept on fillAnalysis: the texts are read back, so every
// tolerance comes back with the two decimals the dialog shows.
void acceptedBoundaryCriteria(ConvergenceBlock& b) {
  b.localChangeSelected = 1;  // Local wins when the host sets both
  b.totalChangeSelected = 0;
  b.localChangeValue = 6.43;
  b.totalChangeValue = 7.5;
  b.totalErrorSelected = 1;
  b.totalErrorValue = 3.75;
  b.maxTracSelected = 1;
  b.maxTracValue = 27.46;
}

void acceptedLevels(ConvergenceBlock& b) {
  b.levelMin = 5;
  b.levelMax = 9;
  b.maxPasses = 20;
}

// Structural and thermal take the main tolerance; a kind the dialog does not know clears the
// frequency row and leaves the boundary criteria alone.
void acceptedMain(ConvergenceBlock& b) {
  b.mainSelected = 1;
  b.mainValue = 3.5;
  acceptedBoundaryCriteria(b);
  acceptedLevels(b);
}

void acceptedUnknownKind(ConvergenceBlock& b) {
  b.mainSelected = 1;
  b.mainValue = 3.5;
  b.freqDispSelected = 0;
  b.freqDispValue = 0.0;
  acceptedLevels(b);
}

struct AcceptCase {
  int kind;
  std::function<void(ConvergenceBlock&)> writes;
};

class AcceptTest : public ConvergenceTest, public testing::WithParamInterface<AcceptCase> {};

TEST_P(AcceptTest, WritesTheFieldsOfItsKindAndNothingElse) {
  EXPECT_EQ(run(GetParam().kind, editThenAccept), ui::IDOK);
  EXPECT_EQ(host.snapshot(), expected(GetParam().writes));
  EXPECT_TRUE(services.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, AcceptTest,
    testing::Values(AcceptCase{kStructural, acceptedMain}, AcceptCase{kThermal, acceptedMain},
                    // Both criteria of the first two rows are on, whatever the block said.
                    AcceptCase{kFrequency,
                               [](ConvergenceBlock& b) {
                                 b.freqDispSelected = 1;
                                 b.freqDispValue = 3.5;
                                 b.mainSelected = 1;
                                 b.mainValue = 4.57;
                                 acceptedBoundaryCriteria(b);
                                 acceptedLevels(b);
                               }},
                    AcceptCase{7, acceptedUnknownKind}, AcceptCase{-3, acceptedUnknownKind}));

class CancelTest : public ConvergenceTest, public testing::WithParamInterface<int> {};

// Edits, clicks and arrows change nothing in the block; Cancel marks it.
TEST_P(CancelTest, OnlyMarksTheBlockCancelled) {
  EXPECT_EQ(run(GetParam(),
                [](CConvergenceDlg& dialog) {
                  type(dialog, IDC_DISPLACEMENT_VALUE, "9");
                  ASSERT_TRUE(dialog.click(IDC_DISPLACEMENT));
                  ASSERT_TRUE(dialog.click(IDC_TOTAL_ERROR));
                  arrow(dialog, IDC_LEVEL_MIN_SPIN, true);
                  arrow(dialog, IDC_LEVEL_MAX_SPIN, true);
                  type(dialog, IDC_PASSES, "30");
                  dialog.pressEscape();
                }),
            ui::IDCANCEL);
  EXPECT_EQ(host.snapshot(), expected([](ConvergenceBlock& b) { b.mainSelected = -1; }));
}

INSTANTIATE_TEST_SUITE_P(Kinds, CancelTest, testing::Values(kStructural, kFrequency, 7));

// The tolerances Default writes; freqDisp < 0: the frequency row is left alone.
struct DefaultCase {
  int kind;
  bool writes;
  double freqDisp, main, totalError, maxTrac;
};

class DefaultTest : public ConvergenceTest, public testing::WithParamInterface<DefaultCase> {};

// Default writes its tolerances at once; Cancel keeps them and writes nothing else but its mark.
TEST_P(DefaultTest, TolerancesStayAfterCancel) {
  EXPECT_EQ(run(GetParam().kind,
                [](CConvergenceDlg& dialog) {
                  ASSERT_TRUE(dialog.click(IDC_DEFAULT));
                  ASSERT_TRUE(dialog.click(2));
                }),
            ui::IDCANCEL);
  const DefaultCase& c = GetParam();
  EXPECT_EQ(host.snapshot(), expected([&](ConvergenceBlock& b) {
              if (c.writes) {
                if (c.freqDisp >= 0) b.freqDispValue = c.freqDisp;
                b.mainValue = c.main;
                b.totalChangeValue = 5.0;
                b.localChangeValue = 5.0;
                b.totalErrorValue = c.totalError;
                b.maxTracValue = c.maxTrac;
              }
              b.mainSelected = -1;
            }));
}

INSTANTIATE_TEST_SUITE_P(Kinds, DefaultTest,
                         testing::Values(DefaultCase{kStructural, true, -1, 3.0, 3.0, 30.0},
                                         DefaultCase{kThermal, true, -1, 3.0, 5.0, 50.0},
                                         DefaultCase{kFrequency, true, 3.0, 5.0, 5.0, 50.0},
                                         DefaultCase{12, false, 0, 0, 0, 0}));

TEST_F(ConvergenceTest, DefaultThenAcceptClearsTheOptionalCriteriaAndResetsTheLevels) {
  EXPECT_EQ(run(kStructural,
                [](CConvergenceDlg& dialog) {
                  arrow(dialog, IDC_LEVEL_MAX_SPIN, true);
                  ASSERT_TRUE(dialog.click(IDC_DEFAULT));
                  EXPECT_EQ(dialog.GetDlgItemText(IDC_DISPLACEMENT_VALUE), "   3.00");
                  EXPECT_EQ(dialog.GetDlgItemText(IDC_MAX_TRAC_VALUE), "  30.00");
                  EXPECT_EQ(dialog.GetDlgItemText(IDC_LEVEL_MAX), "9");
                  EXPECT_EQ(dialog.GetDlgItemText(IDC_PASSES), "15");
                  ASSERT_TRUE(dialog.click(1));
                }),
            ui::IDOK);
  EXPECT_EQ(host.snapshot(), expected([](ConvergenceBlock& b) {
              b.mainSelected = 1;  // the displacement check box is left as it was
              b.mainValue = 3.0;
              b.localChangeSelected = 0;
              b.totalChangeSelected = 0;
              b.localChangeValue = 5.0;
              b.totalChangeValue = 5.0;
              b.totalErrorSelected = 0;
              b.totalErrorValue = 3.0;
              b.maxTracSelected = 0;
              b.maxTracValue = 30.0;
              b.levelMin = 3;
              b.levelMax = 9;
              b.maxPasses = 15;
            }));
}

// The fields are exchanged in the order of their ids: the lowest level (1016) is read, the
// refused number of passes (1020) keeps its value, and what comes after it (1029 ... 1034) is
// not read at all. Accept goes on with what it holds.
TEST_F(ConvergenceTest, RefusedWholeNumberStopsTheExchangeAndAcceptGoesOn) {
  EXPECT_EQ(run(kStructural,
                [](CConvergenceDlg& dialog) {
                  type(dialog, IDC_LEVEL_MIN, "6");
                  type(dialog, IDC_PASSES, "2.5");
                  type(dialog, IDC_TOTAL_ERROR_VALUE, "8.25");
                  ASSERT_TRUE(dialog.click(1));
                }),
            ui::IDOK);
  ASSERT_EQ(services.boxes().size(), 1u);
  EXPECT_EQ(services.boxes()[0].text, "Please enter an integer.");
  EXPECT_EQ(services.boxes()[0].icon, ui::MB_ICONEXCLAMATION);
  EXPECT_EQ(host.snapshot(), expected([](ConvergenceBlock& b) {
              b.mainSelected = 1;
              b.mainValue = 4.57;
              acceptedBoundaryCriteria(b);
              b.levelMin = 6;
            }));
}

}  // namespace
}  // namespace convset::test
