// What the dialog shows of a block, per kind of analysis: rows, captions, places, texts, checks
// and which tolerances can be edited.
#include "tests/convset/ConvergenceFixture.h"

namespace convset::test {
namespace {

const char* const kResourceCaptions[] = {"Max Displacement BC Error", "Local RMS Trac BC Error Change",
                                         "Total RMS Trac BC Error Change", "Total RMS Trac BC Error",
                                         "Max Trac BC Error"};
const char* const kThermalCaptions[] = {"Max Temperature BC Error", "Local RMS Flux BC Err Change",
                                        "Total RMS Flux BC Err Change", "Total RMS Flux BC Error",
                                        "Max Flux BC Error"};
constexpr int kCaptionIds[] = {IDC_DISPLACEMENT, IDC_LOCAL_CHANGE, IDC_TOTAL_CHANGE, IDC_TOTAL_ERROR,
                               IDC_MAX_TRAC};

struct KindCase {
  int kind;
  bool frequencyRow;
  const char* const* captions;
};

class KindTest : public ConvergenceTest, public testing::WithParamInterface<KindCase> {};

TEST_P(KindTest, RowsCaptionsAndSize) {
  const KindCase c = GetParam();
  run(c.kind, [&](CConvergenceDlg& dialog) {
    for (const int id : {IDC_FREQUENCY, IDC_FREQUENCY_VALUE}) {
      EXPECT_EQ(dialog.IsWindowVisible(id), c.frequencyRow) << id;
      EXPECT_EQ(dialog.IsWindowEnabled(id), c.frequencyRow) << id;
    }
    for (std::size_t i = 0; i < std::size(kCaptionIds); ++i) {
      EXPECT_EQ(dialog.GetDlgItemText(kCaptionIds[i]), c.captions[i]);
    }
    EXPECT_EQ(dialog.GetWindowText(), "CONVERGENCE data");
    // The places of every row are checked on the screen (RenderTest); here the size and one
    // row that moves.
    EXPECT_EQ(dialog.dialogSize(), c.frequencyRow ? (ui::Size{227, 234}) : (ui::Size{232, 225}));
    EXPECT_EQ(dialog.control(IDC_TOTAL_CHANGE).rect.y, c.frequencyRow ? 56 : 40);
    EXPECT_EQ(dialog.control(IDC_DISPLACEMENT).rect, (ui::Rect{16, 19, 111, 13})) << "stays";
    dialog.pressEscape();
  });
}

INSTANTIATE_TEST_SUITE_P(Kinds, KindTest,
                         testing::Values(KindCase{kStructural, false, kResourceCaptions},
                                         KindCase{kThermal, false, kThermalCaptions},
                                         KindCase{kFrequency, true, kResourceCaptions},
                                         KindCase{-1, false, kResourceCaptions}));

TEST_F(ConvergenceTest, StructuralTextsChecksAndEnabling) {
  run(kStructural, [](CConvergenceDlg& dialog) {
    EXPECT_EQ(dialog.GetDlgItemText(IDC_DISPLACEMENT_VALUE), "   4.57") << "mainValue";
    EXPECT_EQ(dialog.GetDlgItemText(IDC_LOCAL_CHANGE_VALUE), "   6.43");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_TOTAL_CHANGE_VALUE), "   7.50");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_TOTAL_ERROR_VALUE), "   3.75");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_MAX_TRAC_VALUE), "  27.46");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_LEVEL_MIN), "4");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_LEVEL_MAX), "10");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_PASSES), "12");
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_DISPLACEMENT), 1) << "mainSelected 5";
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_LOCAL_CHANGE), 1) << "Local wins over Total";
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_TOTAL_CHANGE), 0);
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_TOTAL_ERROR), 1);
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_MAX_TRAC), 1);
    EXPECT_TRUE(dialog.IsWindowEnabled(IDC_DISPLACEMENT_VALUE));
    EXPECT_TRUE(dialog.IsWindowEnabled(IDC_LOCAL_CHANGE_VALUE));
    EXPECT_FALSE(dialog.IsWindowEnabled(IDC_TOTAL_CHANGE_VALUE));
    EXPECT_TRUE(dialog.IsWindowEnabled(IDC_TOTAL_ERROR_VALUE));
    EXPECT_TRUE(dialog.IsWindowEnabled(IDC_MAX_TRAC));
    EXPECT_TRUE(dialog.IsWindowEnabled(IDC_MAX_TRAC_VALUE));
    dialog.pressEscape();
  });
}

TEST_F(ConvergenceTest, FrequencyRowsShowBothToleranceAndAreCheckedWhateverTheBlockSays) {
  run(
      kFrequency,
      [](CConvergenceDlg& dialog) {
        EXPECT_EQ(dialog.GetDlgItemText(IDC_DISPLACEMENT_VALUE), "   2.35") << "freqDispValue";
        EXPECT_EQ(dialog.GetDlgItemText(IDC_FREQUENCY_VALUE), "   4.57") << "mainValue";
        EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_DISPLACEMENT), 1) << "freqDispSelected 0";
        EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_FREQUENCY), 1);
        dialog.pressEscape();
      },
      [](ConvergenceBlock& b) { b.mainSelected = 0; });
}

// "Max Trac BC Error" goes only with "Total RMS Trac BC Error".
TEST_F(ConvergenceTest, MaxTracWithoutTotalErrorIsShownOffAndAcceptedOff) {
  run(
      kStructural,
      [](CConvergenceDlg& dialog) {
        EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_MAX_TRAC), 0);
        EXPECT_FALSE(dialog.IsWindowEnabled(IDC_MAX_TRAC));
        EXPECT_FALSE(dialog.IsWindowEnabled(IDC_MAX_TRAC_VALUE));
        EXPECT_FALSE(dialog.IsWindowEnabled(IDC_TOTAL_ERROR_VALUE));
        dialog.pressEnter();
      },
      [](ConvergenceBlock& b) { b.totalErrorSelected = 0; });
  EXPECT_EQ(host.data().maxTracSelected, 0);
  EXPECT_EQ(host.data().totalErrorSelected, 0);
  EXPECT_DOUBLE_EQ(host.data().maxTracValue, 27.46);
}

struct FlagCase {
  int local, total, totalError, maxTrac;  // in the block
  int localShown, totalShown, totalErrorShown, maxTracShown;
};

class FlagTest : public ConvergenceTest, public testing::WithParamInterface<FlagCase> {};

// A criterion is on only for exactly 1; what is shown is what Accept writes.
TEST_P(FlagTest, SelectedExactlyWhenOne) {
  const FlagCase c = GetParam();
  run(
      kThermal,
      [&](CConvergenceDlg& dialog) {
        EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_LOCAL_CHANGE), c.localShown);
        EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_TOTAL_CHANGE), c.totalShown);
        EXPECT_EQ(dialog.IsWindowEnabled(IDC_LOCAL_CHANGE_VALUE), c.localShown == 1);
        EXPECT_EQ(dialog.IsWindowEnabled(IDC_TOTAL_CHANGE_VALUE), c.totalShown == 1);
        EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_TOTAL_ERROR), c.totalErrorShown);
        EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_MAX_TRAC), c.maxTracShown);
        dialog.pressEnter();
      },
      [&](ConvergenceBlock& b) {
        b.localChangeSelected = c.local;
        b.totalChangeSelected = c.total;
        b.totalErrorSelected = c.totalError;
        b.maxTracSelected = c.maxTrac;
      });
  EXPECT_EQ(host.data().localChangeSelected, c.localShown);
  EXPECT_EQ(host.data().totalChangeSelected, c.totalShown);
  EXPECT_EQ(host.data().totalErrorSelected, c.totalErrorShown);
  EXPECT_EQ(host.data().maxTracSelected, c.maxTracShown);
}

INSTANTIATE_TEST_SUITE_P(Flags, FlagTest,
                         testing::Values(FlagCase{0, 1, 1, 0, 0, 1, 1, 0}, FlagCase{2, 1, 1, 1, 0, 1, 1, 1},
                                         FlagCase{0, 0, 2, 1, 0, 0, 0, 0},
                                         FlagCase{-1, 3, 1, -1, 0, 0, 1, 0}));

// The main criterion of a structural block can be switched on, never off.
TEST_F(ConvergenceTest, MainCriterionOffInTheBlockCanOnlyBeSwitchedOn) {
  run(
      kStructural,
      [](CConvergenceDlg& dialog) {
        EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_DISPLACEMENT), 0);
        ASSERT_TRUE(dialog.click(IDC_DISPLACEMENT));
        EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_DISPLACEMENT), 1);
        ASSERT_TRUE(dialog.click(IDC_DISPLACEMENT));
        EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_DISPLACEMENT), 1);
        ASSERT_TRUE(dialog.click(IDC_DEFAULT));
        EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_DISPLACEMENT), 1) << "Default leaves it";
        ASSERT_TRUE(dialog.click(1));
      },
      [](ConvergenceBlock& b) { b.mainSelected = 0; });
  EXPECT_EQ(host.data().mainSelected, 1);
}

TEST_F(ConvergenceTest, MainCriterionOffInTheBlockStaysOffWithoutAClick) {
  run(
      kStructural, [](CConvergenceDlg& dialog) { dialog.pressEnter(); },
      [](ConvergenceBlock& b) { b.mainSelected = 0; });
  EXPECT_EQ(host.data().mainSelected, 0);
}

TEST_F(ConvergenceTest, HeadersAreWhiteAndToleranceFieldsTakeOnlyNumbersInCourier) {
  run(kStructural, [](CConvergenceDlg& dialog) {
    for (const int id : {IDC_CRITERION_HEADER, IDC_VALUE_HEADER, IDC_MIN_HEADER, IDC_MAX_HEADER}) {
      EXPECT_EQ(dialog.effectiveColours(dialog.indexOf(id)), (ui::Colours{{255, 255, 255}, {0, 0, 140}}))
          << id;
    }
    EXPECT_EQ(dialog.effectiveColours(dialog.indexOf(IDC_LEVEL_CAPTION)),
              (ui::Colours{{255, 255, 0}, {0, 0, 140}}));
    for (const int id :
         {IDC_DISPLACEMENT_VALUE, IDC_FREQUENCY_VALUE, IDC_LOCAL_CHANGE_VALUE, IDC_TOTAL_CHANGE_VALUE,
          IDC_TOTAL_ERROR_VALUE, IDC_MAX_TRAC_VALUE, IDC_LEVEL_MIN, IDC_LEVEL_MAX, IDC_PASSES}) {
      EXPECT_EQ(dialog.control(id).fontFace, "Courier") << id;
      EXPECT_TRUE(dialog.control(id).numericFilter) << id;
    }
    EXPECT_FALSE(dialog.typeChar(IDC_PASSES, 'x'));
    dialog.pressEscape();
  });
}

}  // namespace
}  // namespace convset::test
