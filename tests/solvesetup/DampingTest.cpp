// The damping list's rule and the damping dialogs opened by Set.
#include "solvesetup/CDampingDialogs.h"
#include "tests/solvesetup/SettingsFixture.h"

namespace solvesetup::test {
namespace {

// A sub-dialog script that replaces the field texts and presses OK, or Cancel.
ui::Script enterCoefficients(std::string a, std::string b, bool ok = true) {
  return [a = std::move(a), b = std::move(b), ok](ui::Dialog& d) {
    ASSERT_TRUE(d.setText(IDC_COEF_A, a));
    if (d.indexOf(IDC_COEF_B) >= 0) {
      ASSERT_TRUE(d.setText(IDC_COEF_B, b));
    }
    if (ok) {
      d.pressEnter();
    } else {
      d.pressEscape();
    }
  };
}

TEST_F(SettingsTest, NoDampingIsRefusedInFrequencyModeAndTheHostsKindComesBack) {
  fillFrequencyAnalysis(host.data());  // RAYLEIGH
  run([&](CSettingsDlg& dialog) {
    ASSERT_TRUE(dialog.select(IDC_DAMPING, 2));
    ASSERT_TRUE(dialog.select(IDC_DAMPING, 0));
    ASSERT_EQ(services.boxes().size(), 1u);
    EXPECT_EQ(services.boxes()[0].text, "Current mode of analysis must have some damping!");
    EXPECT_EQ(services.boxes()[0].caption, "Korvena Warning");
    EXPECT_EQ(services.boxes()[0].icon, ui::MB_ICONEXCLAMATION);
    EXPECT_EQ(services.boxes()[0].buttons, ui::MB_OK);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_DAMPING), "RAYLEIGH") << "the host's kind, not MODAL";
    EXPECT_EQ(dialog.lastDampingKind(), 2) << "the refused choice is not handled further";
    EXPECT_TRUE(dialog.IsWindowEnabled(IDC_SET));
  });
}

TEST_F(SettingsTest, NoDampingInTimeModeDisablesSetAndWritesNoCoefficients) {
  fillTimeAnalysis(host.data());  // MODAL, 3.5 %
  run([&](CSettingsDlg& dialog) {
    ASSERT_TRUE(dialog.select(IDC_DAMPING, 0));
    EXPECT_TRUE(services.boxes().empty());
    EXPECT_FALSE(dialog.IsWindowEnabled(IDC_SET));
    ASSERT_TRUE(dialog.select(IDC_DAMPING, 1));
    EXPECT_TRUE(dialog.IsWindowEnabled(IDC_SET));
    ASSERT_TRUE(dialog.select(IDC_DAMPING, 0));
    ASSERT_TRUE(dialog.click(1));
  });
  EXPECT_EQ(host.data().dampingKind, 0);
  EXPECT_DOUBLE_EQ(host.data().dampingA, 3.5);
  EXPECT_DOUBLE_EQ(host.data().dampingB, 1.0268e-4);
}

TEST_F(SettingsTest, ChangingTheKindDropsWhatTheFormerKindsDialogSet) {
  fillTimeAnalysis(host.data());
  services.onModal(IDD_MODAL_DAMPING, enterCoefficients("5", ""));
  run([](CSettingsDlg& dialog) {
    ASSERT_TRUE(dialog.select(IDC_DAMPING, 2));
    ASSERT_TRUE(dialog.click(IDC_SET));
    EXPECT_DOUBLE_EQ(dialog.workA(), 5.0);
    ASSERT_TRUE(dialog.select(IDC_DAMPING, 2));  // the same kind again keeps it
    EXPECT_DOUBLE_EQ(dialog.workA(), 5.0);
    ASSERT_TRUE(dialog.select(IDC_DAMPING, 1));
    EXPECT_DOUBLE_EQ(dialog.workA(), 3.5);
  });
}

TEST_F(SettingsTest, RayleighCoefficientsReachTheBlockOnAccept) {
  fillFrequencyAnalysis(host.data());
  services.onModal(IDD_RAYLEIGH, enterCoefficients("0.25", "2e-4"));
  run([](CSettingsDlg& dialog) {
    ASSERT_TRUE(dialog.click(IDC_SET));
    ASSERT_TRUE(dialog.click(1));
  });
  EXPECT_EQ(services.modalRuns(), std::vector<int>{IDD_RAYLEIGH});
  EXPECT_DOUBLE_EQ(host.data().dampingA, 0.25);
  EXPECT_DOUBLE_EQ(host.data().dampingB, 2e-4);
  EXPECT_EQ(host.data().dampingKind, 1);
}

TEST_F(SettingsTest, ModalPercentageLeavesTheRayleighBAlone) {
  fillFrequencyAnalysis(host.data());
  services.onModal(IDD_MODAL_DAMPING, enterCoefficients("4", ""));
  run([](CSettingsDlg& dialog) {
    ASSERT_TRUE(dialog.select(IDC_DAMPING, 2));
    ASSERT_TRUE(dialog.click(IDC_SET));
    ASSERT_TRUE(dialog.click(1));
  });
  EXPECT_EQ(host.data().dampingKind, 2);
  EXPECT_DOUBLE_EQ(host.data().dampingA, 4.0);
  EXPECT_DOUBLE_EQ(host.data().dampingB, 1.0268e-4);
}

TEST_F(SettingsTest, NoDampingFromTheHostLeavesSetEnabledUntilTheFirstChange) {
  fillTimeAnalysis(host.data());
  host.data().dampingKind = 0;
  services.onModal(IDD_MODAL_DAMPING, enterCoefficients("8", ""));
  run([&](CSettingsDlg& dialog) {
    EXPECT_TRUE(dialog.IsWindowEnabled(IDC_SET));
    ASSERT_TRUE(dialog.click(IDC_SET));
    EXPECT_EQ(services.modalRuns(), std::vector<int>{IDD_MODAL_DAMPING});
    ASSERT_TRUE(dialog.click(1));
  });
  EXPECT_EQ(host.data().dampingKind, 0);
  EXPECT_DOUBLE_EQ(host.data().dampingA, 3.5);
  EXPECT_DOUBLE_EQ(host.data().dampingB, 1.0268e-4);
}

// The damping dialogs on their own: what they show, and what OK and Cancel hand back.
class DampingDialogTest : public testing::Test {
 protected:
  ui::testing::ScriptedServices services;
  ui::ScopedServices installed{services};
};

TEST_F(DampingDialogTest, RayleighShowsBothFactorsInExponentForm) {
  double a = 0.05;
  double b = 1.0268e-4;
  services.onModal(IDD_RAYLEIGH, [](ui::Dialog& d) {
    EXPECT_EQ(d.GetDlgItemText(IDC_COEF_A), "5.000000e-02");
    EXPECT_EQ(d.GetDlgItemText(IDC_COEF_B), "1.026800e-04");
    EXPECT_EQ(d.GetWindowText(), "RAYLAIGH damping");
    EXPECT_EQ(d.control(IDC_COEF_B).fontFace, "Courier");
    EXPECT_FALSE(d.typeChar(IDC_COEF_B, 'q'));
    d.pressEscape();
  });
  RunRayleighDialog(nullptr, a, b);
  EXPECT_EQ(services.modalRuns().size(), 1u);
}

TEST_F(DampingDialogTest, CancelAfterEditingKeepsBothFactors) {
  double a = 0.05;
  double b = 0.002;
  services.onModal(IDD_RAYLEIGH, enterCoefficients("7", "8", false));
  RunRayleighDialog(nullptr, a, b);
  EXPECT_DOUBLE_EQ(a, 0.05);
  EXPECT_DOUBLE_EQ(b, 0.002);
}

TEST_F(DampingDialogTest, OkWithAnEmptyFieldGivesZero) {
  double a = 0.05;
  double b = 0.002;
  services.onModal(IDD_RAYLEIGH, enterCoefficients("", "3e-3"));
  RunRayleighDialog(nullptr, a, b);
  EXPECT_EQ(a, 0.0);
  EXPECT_DOUBLE_EQ(b, 3e-3);

  double percent = 2.0;
  services.onModal(IDD_MODAL_DAMPING, [](ui::Dialog& d) {
    EXPECT_EQ(d.GetDlgItemText(IDC_COEF_A), "2.000000e+00");
    ASSERT_TRUE(d.setText(IDC_COEF_A, ""));
    ASSERT_TRUE(d.click(1));
  });
  RunModalDialog(nullptr, percent);
  EXPECT_EQ(percent, 0.0);
}

}  // namespace
}  // namespace solvesetup::test
