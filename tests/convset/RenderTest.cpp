// The convergence dialog shown by the real binder, offscreen, for a structural analysis (five
// rows, moved up, smaller window) and a frequency analysis (six rows, the resource's places):
// which controls show, their captions and places, colours, and a picture of each.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

#include "tests/convset/ConvergenceFixture.h"
#include "tests/support/ShownDialog.h"

namespace convset::test {
namespace {

using testsupport::countColour;
using testsupport::ShownDialog;

// The dialog on a host block of this kind (the block first, so that the dialog can attach it).
struct ConvergenceOnBlock {
  explicit ConvergenceOnBlock(int kind) {
    fillAnalysis(host.data(), kind);
    host.launch();
    dialog = std::make_unique<CConvergenceDlg>();
  }
  ConvergenceHost host;
  std::unique_ptr<CConvergenceDlg> dialog;
};

class ShownConvergence : private ConvergenceOnBlock, public ShownDialog {
 public:
  explicit ShownConvergence(int kind) : ConvergenceOnBlock(kind), ShownDialog(*dialog) {}

  std::string text(int id) const {
    QWidget* w = window->widgetOf(id);
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text().toStdString();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text().toStdString();
    return {};
  }
  bool checked(int id) const { return widget<QAbstractButton>(id)->isChecked(); }
  bool enabled(int id) const { return window->widgetOf(id)->isEnabled(); }
};

struct Shown {
  int id;
  const char* text;
  ui::Rect place;  // dialog units
};

void expectShown(const ShownConvergence& shown, const std::vector<Shown>& controls) {
  for (const Shown& c : controls) {
    EXPECT_TRUE(shown.shown(c.id)) << c.id;
    EXPECT_EQ(shown.text(c.id), c.text) << c.id;
    shown.expectPlacedAt(c.id, c.place);
  }
}

TEST(ConvergenceRender, StructuralAnalysisShowsFiveRowsMovedUp) {
  ShownConvergence shown(kStructural);
  shown.save("convset-structural.png");
  EXPECT_EQ(shown.window->windowTitle(), "CONVERGENCE data");
  EXPECT_FALSE(shown.shown(IDC_FREQUENCY));
  EXPECT_FALSE(shown.shown(IDC_FREQUENCY_VALUE));
  expectShown(shown, {{IDC_CRITERION_HEADER, "criterion", {21, 7, 53, 9}},
                      {IDC_VALUE_HEADER, "value (%)", {141, 7, 53, 9}},
                      {IDC_DISPLACEMENT, "Max Displacement BC Error", {16, 19, 111, 13}},
                      {IDC_DISPLACEMENT_VALUE, "   4.57", {141, 19, 70, 13}},
                      {IDC_TOTAL_CHANGE, "Total RMS Trac BC Error Change", {16, 40, 122, 10}},
                      {IDC_TOTAL_CHANGE_VALUE, "   7.50", {141, 38, 70, 13}},
                      {IDC_LOCAL_CHANGE, "Local RMS Trac BC Error Change", {16, 59, 122, 10}},
                      {IDC_LOCAL_CHANGE_VALUE, "   6.43", {141, 56, 70, 13}},
                      {IDC_TOTAL_ERROR, "Total RMS Trac BC Error", {16, 78, 95, 10}},
                      {IDC_TOTAL_ERROR_VALUE, "   3.75", {141, 76, 70, 13}},
                      {IDC_MAX_TRAC, "Max Trac BC Error", {16, 98, 76, 13}},
                      {IDC_MAX_TRAC_VALUE, "  27.46", {141, 96, 70, 13}},
                      {IDC_MIN_HEADER, "min", {141, 118, 18, 9}},
                      {IDC_MAX_HEADER, "max", {181, 118, 17, 9}},
                      {IDC_LEVEL_CAPTION, "Accuracy Level", {16, 131, 56, 11}},
                      {IDC_LEVEL_MIN, "4", {141, 128, 27, 16}},
                      {IDC_LEVEL_MAX, "10", {181, 128, 28, 16}},
                      {IDC_PASSES_CAPTION, "Max No of Passes", {16, 158, 64, 11}},
                      {IDC_PASSES, "12", {141, 156, 70, 13}},
                      {1, "Accept", {29, 183, 50, 14}},
                      {2, "Cancel", {90, 183, 50, 14}},
                      {IDC_DEFAULT, "Default", {151, 183, 50, 14}}});
  shown.expectPlacedAt(IDC_LEVEL_MIN_SPIN, {158, 128, 9, 16});
  shown.expectPlacedAt(IDC_LEVEL_MAX_SPIN, {198, 128, 9, 16});
  // The whole window is 232 x 225 dialog units; the client area is that less the frame.
  const QRect window = shown.pixels({0, 0, 232, 225});
  EXPECT_EQ(shown.window->size(), QSize(window.width() - 6, window.height() - 25));
  EXPECT_TRUE(shown.checked(IDC_LOCAL_CHANGE));
  EXPECT_FALSE(shown.checked(IDC_TOTAL_CHANGE));
  EXPECT_FALSE(shown.enabled(IDC_TOTAL_CHANGE_VALUE));
  EXPECT_TRUE(shown.enabled(IDC_LOCAL_CHANGE_VALUE));
}

TEST(ConvergenceRender, FrequencyAnalysisShowsSixRowsInTheResourcesPlaces) {
  ShownConvergence shown(kFrequency);
  shown.save("convset-frequency.png");
  expectShown(shown, {{IDC_DISPLACEMENT, "Max Displacement BC Error", {16, 19, 111, 13}},
                      {IDC_DISPLACEMENT_VALUE, "   2.35", {141, 19, 70, 13}},
                      {IDC_FREQUENCY, "Frequency", {16, 38, 76, 13}},
                      {IDC_FREQUENCY_VALUE, "   4.57", {141, 38, 70, 13}},
                      {IDC_TOTAL_CHANGE, "Total RMS Trac BC Error Change", {16, 56, 122, 10}},
                      {IDC_LOCAL_CHANGE, "Local RMS Trac BC Error Change", {16, 73, 122, 10}},
                      {IDC_TOTAL_ERROR, "Total RMS Trac BC Error", {16, 95, 95, 10}},
                      {IDC_MAX_TRAC, "Max Trac BC Error", {16, 115, 76, 13}},
                      {IDC_MIN_HEADER, "min", {143, 136, 18, 9}},
                      {IDC_MAX_HEADER, "max", {180, 136, 17, 9}},
                      {IDC_LEVEL_CAPTION, "Accuracy Level", {18, 149, 56, 11}},
                      {IDC_PASSES, "12", {141, 173, 70, 13}},
                      {1, "Accept", {28, 205, 50, 14}},
                      {IDC_DEFAULT, "Default", {150, 205, 50, 14}}});
  shown.expectPlacedAt(IDC_LEVEL_MIN_SPIN, {165, 145, 9, 16});
  const QRect client = shown.pixels({0, 0, 227, 234});
  EXPECT_EQ(shown.window->size(), client.size());
  EXPECT_TRUE(shown.checked(IDC_DISPLACEMENT));
  EXPECT_TRUE(shown.checked(IDC_FREQUENCY));
}

TEST(ConvergenceRender, HeadersWhiteCaptionsYellowOnDarkBlue) {
  ShownConvergence shown(kThermal);
  shown.save("convset-thermal.png");
  EXPECT_EQ(shown.text(IDC_TOTAL_ERROR), "Total RMS Flux BC Error");
  const QImage image = shown.image();
  for (const int id : {IDC_CRITERION_HEADER, IDC_VALUE_HEADER, IDC_MIN_HEADER, IDC_MAX_HEADER}) {
    EXPECT_GT(countColour(image, shown.expectedPlace(id), QColor(255, 255, 255)), 3) << id;
    EXPECT_EQ(countColour(image, shown.expectedPlace(id), QColor(255, 255, 0)), 0) << id;
  }
  EXPECT_GT(countColour(image, shown.expectedPlace(IDC_LEVEL_CAPTION), QColor(255, 255, 0)), 3);
  EXPECT_GT(countColour(image, shown.expectedPlace(IDC_PASSES), QColor(150, 150, 150)), 20)
      << "grey number field";
  EXPECT_GT(countColour(image, {0, 0, 5, 5}, QColor(0, 0, 140)), 20) << "dark blue dialog";
}

}  // namespace
}  // namespace convset::test
