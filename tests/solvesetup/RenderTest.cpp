// The settings dialog shown by the real binder, offscreen, in both modes: which controls show,
// their captions and places, and a picture of each saved in the build folder.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <string>

#include "solvesetup/CDampingDialogs.h"
#include "solvesetup/CSettingsDlg.h"
#include "solvesetup/SolveSetupResources.h"
#include "tests/solvesetup/SettingsBlock.h"
#include "tests/support/Pictures.h"
#include "tests/support/ShownDialog.h"

namespace solvesetup::test {
namespace {

using testsupport::countColour;
using testsupport::ShownDialog;

// The settings dialog on a block of the given analysis mode (the host's block first, so that the
// dialog can attach it when it is constructed).
struct SettingsOnBlock {
  explicit SettingsOnBlock(bool frequency) {
    fillFrequencyAnalysis(host.data());
    if (!frequency) fillTimeAnalysis(host.data());
    host.launchWith();
    dialog = std::make_unique<CSettingsDlg>();
  }
  SettingsBlock host;
  std::unique_ptr<CSettingsDlg> dialog;
};

// ... shown in a real window.
class ShownSettings : private SettingsOnBlock, public ShownDialog {
 public:
  explicit ShownSettings(bool frequency) : SettingsOnBlock(frequency), ShownDialog(*dialog) {}
};

TEST(SettingsRender, FrequencyModeShowsTheRangeSwitchAndHz) {
  ShownSettings shown(true);
  shown.save("solvesetup-frequency.png");
  EXPECT_EQ(shown.window->windowTitle(), "SETTINGS input");
  EXPECT_FALSE(shown.shown(IDC_SAMPLING_LABEL));
  EXPECT_FALSE(shown.shown(IDC_UNIT));
  EXPECT_TRUE(shown.shown(IDC_MINMAX_SPIN));
  EXPECT_EQ(shown.widget<QLabel>(IDC_FREQUENCY_LABEL)->text(), "Freqency :");
  EXPECT_EQ(shown.widget<QLabel>(IDC_RANGE_LABEL)->text(), "Max");
  EXPECT_EQ(shown.widget<QLabel>(IDC_HZ)->text(), "Hz");
  EXPECT_EQ(shown.widget<QLabel>(IDC_DENSITY_LABEL)->text(), "Freq Step Density");
  EXPECT_EQ(shown.widget<QLineEdit>(IDC_VALUE)->text(), " 2.0000e+02");
  EXPECT_EQ(shown.widget<QComboBox>(IDC_DAMPING)->currentText(), "RAYLEIGH");
  EXPECT_EQ(shown.widget<QComboBox>(IDC_DENSITY)->currentText(), "HIGH");
  for (const int id : {IDC_VALUE, IDC_FREQUENCY_LABEL, IDC_RANGE_LABEL, IDC_HZ, IDC_DAMPING, IDC_SET, 1, 2}) {
    shown.expectPlaced(id);
  }
  const QImage image = shown.window->grab().toImage();
  EXPECT_GT(countColour(image, shown.expectedPlace(IDC_HZ), QColor(255, 255, 255)), 3) << "Hz in white";
  EXPECT_EQ(countColour(image, shown.expectedPlace(IDC_HZ), QColor(255, 255, 0)), 0);
}

TEST(SettingsRender, TimeModeShowsTheSamplingTimeAndItsUnit) {
  ShownSettings shown(false);
  shown.save("solvesetup-time.png");
  EXPECT_TRUE(shown.shown(IDC_SAMPLING_LABEL));
  EXPECT_TRUE(shown.shown(IDC_UNIT));
  for (const int id : {IDC_FREQUENCY_LABEL, IDC_HZ, IDC_MINMAX_SPIN, IDC_RANGE_LABEL}) {
    EXPECT_FALSE(shown.shown(id)) << "control " << id;
  }
  EXPECT_EQ(shown.widget<QLabel>(IDC_SAMPLING_LABEL)->text(), "Sampling Time");
  EXPECT_EQ(shown.widget<QLabel>(IDC_DENSITY_LABEL)->text(), "Time Step Density");
  EXPECT_EQ(shown.widget<QLabel>(IDC_DAMPING_CAPTION)->text(), "Damping");
  EXPECT_EQ(shown.widget<QLabel>(IDC_LEVEL_CAPTION)->text(), "level");
  EXPECT_EQ(shown.widget<QPushButton>(1)->text(), "ACCEPT");
  EXPECT_EQ(shown.widget<QPushButton>(IDC_SET)->text(), "Set");
  EXPECT_EQ(shown.widget<QLineEdit>(IDC_VALUE)->text(), "2.0000e-03");
  EXPECT_EQ(shown.widget<QComboBox>(IDC_UNIT)->currentText(), "sec");
  EXPECT_EQ(shown.widget<QComboBox>(IDC_DAMPING)->currentText(), "MODAL");
  for (const int id : {IDC_SAMPLING_LABEL, IDC_VALUE, IDC_UNIT, IDC_DENSITY, IDC_DAMPING}) {
    shown.expectPlaced(id);
  }
  const QImage image = shown.window->grab().toImage();
  EXPECT_GT(countColour(image, shown.expectedPlace(IDC_DAMPING_CAPTION), QColor(255, 255, 255)), 3);
  EXPECT_GT(countColour(image, shown.expectedPlace(IDC_SAMPLING_LABEL), QColor(255, 255, 0)), 3);
  EXPECT_GT(countColour(image, {0, 0, 5, 5}, QColor(0, 0, 140)), 20) << "dark blue dialog";
}

TEST(SettingsRender, WindowShowsTheApplicationIcon) {
  solvesetup::registerIcon();
  ShownSettings shown(true);
  const QIcon icon = shown.window->windowIcon();
  ASSERT_FALSE(icon.isNull());
  const QImage image = icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
  const ui::HICON registered = ui::LoadIcon(IDR_MAINFRAME);
  ASSERT_NE(registered, nullptr);
  for (const QPoint at : {QPoint(4, 5), QPoint(16, 16), QPoint(27, 6)}) {
    EXPECT_EQ(image.pixel(at), registered->pixel(at.x(), at.y())) << at.x() << "," << at.y();
  }
  EXPECT_TRUE(
      image.scaled(256, 256).save(QString::fromStdString(testsupport::picturePath("solvesetup-icon.png"))));
}

// A damping dialog shown in a real window: its size, its caption, its fields in Courier, a picture.
void renderDampingDialog(CPrettyDialog& dialog, QSize size, const std::string& picture) {
  ShownDialog shown(dialog);
  EXPECT_EQ(shown.window->size(), size);
  EXPECT_EQ(shown.window->windowTitle().toStdString(), dialog.dialogTemplate().caption);
  auto* field = shown.widget<QLineEdit>(IDC_COEF_A);
  ASSERT_NE(field, nullptr);
  EXPECT_TRUE(field->font().fixedPitch() || field->fontInfo().fixedPitch());
  EXPECT_EQ(field->text(), "5.000000e-02");
  shown.save(picture);
}

TEST(SettingsRender, DampingDialogs) {
  CRayleighDlg rayleigh;
  rayleigh.textA = "5.000000e-02";
  rayleigh.textB = "1.026800e-04";
  renderDampingDialog(rayleigh, {195, 125}, "solvesetup-rayleigh.png");  // 130 x 77 units: 195, 125.1
  CModalDampingDlg modal;
  modal.textPercent = "5.000000e-02";
  renderDampingDialog(modal, {191, 94}, "solvesetup-modal.png");  // 127 x 58 units: 190.5, 94.3
}

}  // namespace
}  // namespace solvesetup::test
