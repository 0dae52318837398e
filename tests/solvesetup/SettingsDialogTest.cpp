// The settings dialog on a real block: modes, the value field, ACCEPT and Cancel.
#include <cstring>

#include "tests/solvesetup/SettingsFixture.h"

namespace solvesetup::test {
namespace {

struct ModeCase {
  int analysisMode;
  bool frequency;
};

class ModeTest : public SettingsTest, public testing::WithParamInterface<ModeCase> {};

TEST_P(ModeTest, ModeDecidesWhichControlsShow) {
  fillFrequencyAnalysis(host.data());
  host.data().analysisMode = GetParam().analysisMode;
  const bool frequency = GetParam().frequency;
  run([&](CSettingsDlg& dialog) {
    EXPECT_EQ(dialog.frequencyMode(), frequency);
    EXPECT_EQ(dialog.IsWindowVisible(IDC_SAMPLING_LABEL), !frequency);
    EXPECT_EQ(dialog.IsWindowVisible(IDC_FREQUENCY_LABEL), frequency);
    EXPECT_EQ(dialog.IsWindowVisible(IDC_HZ), frequency);
    EXPECT_EQ(dialog.IsWindowVisible(IDC_UNIT), !frequency);
    EXPECT_EQ(dialog.IsWindowVisible(IDC_MINMAX_SPIN), frequency);
    EXPECT_EQ(dialog.IsWindowVisible(IDC_RANGE_LABEL), frequency);
    EXPECT_EQ(dialog.IsWindowEnabled(IDC_MINMAX_SPIN), frequency);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_DENSITY_LABEL),
              frequency ? "Freq Step Density" : "Time Step Density");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_RANGE_LABEL), frequency ? "Max" : "");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_VALUE), frequency ? " 2.0000e+02" : "2.0000e+02");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_DENSITY), "HIGH");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_DAMPING), "RAYLEIGH");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_UNIT), "sec");
    const ui::Rect sampling = dialog.control(IDC_SAMPLING_LABEL).rect;
    EXPECT_EQ(sampling.cx == 0 && sampling.cy == 0, frequency);
    const ui::Rgb hzText = dialog.effectiveColours(dialog.indexOf(IDC_HZ))->text;
    const ui::Rgb expected = frequency ? ui::Rgb{255, 255, 255} : ui::Rgb{255, 255, 0};
    EXPECT_EQ(hzText, expected);
  });
}

INSTANTIATE_TEST_SUITE_P(AnalysisModes, ModeTest,
                         testing::Values(ModeCase{3, false}, ModeCase{4, true}, ModeCase{-7, false},
                                         ModeCase{0, false}, ModeCase{1000, true}));

TEST_F(SettingsTest, CaptionsOfTheDampingListAreWhiteOnDarkBlue) {
  fillFrequencyAnalysis(host.data());
  run([](CSettingsDlg& dialog) {
    for (const int id : {IDC_DAMPING_CAPTION, IDC_LEVEL_CAPTION}) {
      EXPECT_EQ(dialog.effectiveColours(dialog.indexOf(id)), (ui::Colours{{255, 255, 255}, {0, 0, 140}}));
    }
    EXPECT_EQ(dialog.control(IDC_VALUE).fontFace, "Courier");
    EXPECT_FALSE(dialog.typeChar(IDC_VALUE, 'x')) << "the value field takes only numbers";
  });
}

TEST_F(SettingsTest, UpDownTogglesBetweenMaxAndMinWhateverTheDirection) {
  fillFrequencyAnalysis(host.data());
  run([](CSettingsDlg& dialog) {
    ASSERT_TRUE(dialog.upDown(IDC_MINMAX_SPIN, 1));
    EXPECT_EQ(dialog.GetDlgItemText(IDC_RANGE_LABEL), "Min");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_VALUE), "5.0000e-01");
    ASSERT_TRUE(dialog.upDown(IDC_MINMAX_SPIN, 1));
    EXPECT_EQ(dialog.GetDlgItemText(IDC_RANGE_LABEL), "Max");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_VALUE), "2.0000e+02");
    ASSERT_TRUE(dialog.upDown(IDC_MINMAX_SPIN, -1));
    EXPECT_EQ(dialog.GetDlgItemText(IDC_RANGE_LABEL), "Min");
  });
}

TEST_F(SettingsTest, FrequencyRangeEditedThroughTheSwitchReachesTheBlockOnAccept) {
  fillFrequencyAnalysis(host.data());
  EXPECT_EQ(run([](CSettingsDlg& dialog) {
              typeValue(dialog, "350");
              ASSERT_TRUE(dialog.upDown(IDC_MINMAX_SPIN, 1));  // stores Max, shows Min
              typeValue(dialog, "1.5");
              ASSERT_TRUE(dialog.click(1));  // the click stores Min as the focus leaves
            }),
            ui::IDOK);
  EXPECT_DOUBLE_EQ(host.data().freqMax, 350.0);
  EXPECT_DOUBLE_EQ(host.data().freqMin, 1.5);
  EXPECT_EQ(host.data().accepted, 1);
  EXPECT_EQ(host.data().samplingUnit, 1) << "frequency mode leaves the unit alone";
}

TEST_F(SettingsTest, CancelPutsTheHostsRangeBackAndLeavesAcceptedAlone) {
  fillFrequencyAnalysis(host.data());
  const auto before = host.snapshot();
  EXPECT_EQ(run([](CSettingsDlg& dialog) {
              typeValue(dialog, "999");
              ASSERT_TRUE(dialog.upDown(IDC_MINMAX_SPIN, 1));
              typeValue(dialog, "3");
              ASSERT_TRUE(dialog.select(IDC_DENSITY, 2));  // stores Min on the way
              dialog.pressEscape();
            }),
            ui::IDCANCEL);
  EXPECT_EQ(host.snapshot(), before) << "the block is as the host left it";
}

TEST_F(SettingsTest, TimeModeClickOnAcceptStoresTheTimeInBothFields) {
  fillTimeAnalysis(host.data());
  run([](CSettingsDlg& dialog) {
    typeValue(dialog, "0.005");
    ASSERT_TRUE(dialog.select(IDC_UNIT, 0));
    ASSERT_TRUE(dialog.click(1));
  });
  EXPECT_DOUBLE_EQ(host.data().freqMax, 0.005);
  EXPECT_DOUBLE_EQ(host.data().freqMin, 0.005) << "stored as the focus left the field";
  EXPECT_EQ(host.data().samplingUnit, 0);
  EXPECT_EQ(host.data().accepted, 1);
}

// Enter leaves the focus in the field; ACCEPT stores the field first, so that the block is the
// one a click on ACCEPT gives.
TEST_F(SettingsTest, EnterInTheValueFieldGivesTheSameBlockAsAClick) {
  const auto editThen = [](bool enter) {
    return [enter](CSettingsDlg& dialog) {
      ASSERT_TRUE(dialog.select(IDC_UNIT, 0));
      typeValue(dialog, "0.005");
      if (enter) {
        dialog.pressEnter();
      } else {
        ASSERT_TRUE(dialog.click(1));
      }
    };
  };
  fillTimeAnalysis(host.data());
  EXPECT_EQ(run(editThen(true)), ui::IDOK);
  const auto byEnter = host.snapshot();
  EXPECT_DOUBLE_EQ(host.data().freqMin, 0.005);
  EXPECT_DOUBLE_EQ(host.data().freqMax, 0.005);

  fillTimeAnalysis(host.data());
  EXPECT_EQ(run(editThen(false)), ui::IDOK);
  EXPECT_EQ(byEnter, host.snapshot());
}

TEST_F(SettingsTest, FrequencyModeEnterKeepsTheValueJustTyped) {
  fillFrequencyAnalysis(host.data());
  run([](CSettingsDlg& dialog) {
    typeValue(dialog, "250");
    dialog.pressEnter();
  });
  EXPECT_DOUBLE_EQ(host.data().freqMax, 250.0);
  EXPECT_DOUBLE_EQ(host.data().freqMin, 0.5);
}

TEST_F(SettingsTest, EnterOnAnotherControlStoresNothingExtra) {
  fillFrequencyAnalysis(host.data());
  run([](CSettingsDlg& dialog) {
    ASSERT_TRUE(dialog.upDown(IDC_MINMAX_SPIN, 1));  // Min shown, no focus in the field
    ASSERT_TRUE(dialog.select(IDC_DENSITY, 0));
    dialog.pressEnter();
  });
  EXPECT_DOUBLE_EQ(host.data().freqMax, 200.0);
  EXPECT_DOUBLE_EQ(host.data().freqMin, 0.5);
  EXPECT_EQ(host.data().densityLevel, 0);
}

// Escape ends the dialog with the focus still in the field; the focus loss that follows comes
// after the block was detached and must not write into it.
TEST_F(SettingsTest, FocusLossAfterCancelTouchesNothing) {
  fillTimeAnalysis(host.data());
  const auto before = host.snapshot();
  run([](CSettingsDlg& dialog) {
    typeValue(dialog, "42");
    dialog.pressEscape();
  });
  EXPECT_EQ(host.snapshot(), before);
}

TEST_F(SettingsTest, AcceptWritesOnlyTheToolsFields) {
  fillFrequencyAnalysis(host.data());
  const auto before = host.snapshot();
  run([](CSettingsDlg& dialog) {
    typeValue(dialog, "120");
    ASSERT_TRUE(dialog.select(IDC_DENSITY, 2));
    ASSERT_TRUE(dialog.click(1));
  });
  const auto after = host.snapshot();
  for (std::size_t i = 0; i < after.size(); ++i) {
    if (!isToolField(i)) {
      ASSERT_EQ(after[i], before[i]) << "host byte " << i;
    }
  }
  EXPECT_EQ(host.data().densityLevel, 2);
  EXPECT_EQ(host.data().dampingKind, 1);
  EXPECT_DOUBLE_EQ(host.data().dampingA, 0.4864);
  EXPECT_EQ(host.header().attachedMark, 1);
}

TEST_F(SettingsTest, TextThatIsNotANumberIsStoredAsZero) {
  fillTimeAnalysis(host.data());
  run([](CSettingsDlg& dialog) {
    typeValue(dialog, "e-");
    ASSERT_TRUE(dialog.click(1));
  });
  EXPECT_EQ(host.data().freqMax, 0.0);
  EXPECT_EQ(host.data().freqMin, 0.0);
}

TEST_F(SettingsTest, IndexesOutsideTheirListsAreStoredAsNoSelection) {
  fillTimeAnalysis(host.data());
  host.data().dampingKind = 5;
  host.data().densityLevel = -2;
  host.data().samplingUnit = 9;
  services.onModal(IDD_MODAL_DAMPING, [](ui::Dialog& d) {
    ASSERT_TRUE(d.setText(IDC_COEF_A, "9"));
    d.pressEnter();
  });
  run([](CSettingsDlg& dialog) {
    EXPECT_EQ(dialog.GetCurSel(IDC_DAMPING), -1);
    ASSERT_TRUE(dialog.click(IDC_SET));
    ASSERT_TRUE(dialog.click(1));
  });
  EXPECT_EQ(services.modalRuns(), std::vector<int>{IDD_MODAL_DAMPING});
  EXPECT_EQ(host.data().dampingKind, -1);
  EXPECT_EQ(host.data().densityLevel, -1);
  EXPECT_EQ(host.data().samplingUnit, -1);
  EXPECT_DOUBLE_EQ(host.data().dampingA, 3.5) << "no coefficients without a damping kind";
}

}  // namespace
}  // namespace solvesetup::test
