// The input dialog shown by the real binder, offscreen, for a uniform and a three-point load:
// which controls show, their captions and places, and a picture of each in the build folder.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "loadentry/CLoadBcInputDlg.h"
#include "loadentry/LoadEntryResources.h"
#include "tests/loadentry/InputBlock.h"
#include "tests/support/ShownDialog.h"

namespace loadentry::test {
namespace {

// The block is ready before the dialog is constructed on it.
struct LaunchedBlock {
  explicit LaunchedBlock(int distribution) {
    fillThreePointLoad(host);
    host.data().distribution = distribution;
    host.data().loadType[1] = 1;
    host.launch();
  }
  InputBlock host{2};
};

struct ShownInput : LaunchedBlock {
  explicit ShownInput(int distribution) : LaunchedBlock(distribution) {}
  CLoadBcInputDlg dialog;
  testsupport::ShownDialog shown{dialog};
};

// What both layouts show alike, with the buttons at the given places.
void expectCommonControls(ShownInput& s, int okX, int cancelX, int resetX) {
  EXPECT_EQ(s.shown.window->windowTitle(), "Load/BC input");
  EXPECT_EQ(s.shown.widget<QPushButton>(1)->text(), "OK");
  EXPECT_EQ(s.shown.widget<QPushButton>(IDC_RESET)->text(), "Reset");
  EXPECT_EQ(s.shown.widget<QPushButton>(2)->text(), "Cancel");
  EXPECT_EQ(s.shown.widget<QLabel>(IDC_FUNCTION_LABEL)->text(), "Time/Freq Func:");
  EXPECT_EQ(s.shown.widget<QLineEdit>(IDC_CSYS_NAME)->text(), "CSYS-BEAM2");
  EXPECT_EQ(s.shown.widget<QComboBox>(IDC_TYPE_2)->currentText(), "DISPLACEMENT");
  EXPECT_EQ(s.shown.widget<QComboBox>(IDC_FUNCTION)->currentText(), "SINE 50Hz");
  EXPECT_EQ(s.shown.window->size(), QSize(s.dialog.clientSize().cx, s.dialog.clientSize().cy));
  s.shown.expectPlacedAt(1, {okX, 109, 40, 15});
  s.shown.expectPlacedAt(2, {cancelX, 109, 40, 14});
  s.shown.expectPlacedAt(IDC_RESET, {resetX, 109, 40, 14});
  s.shown.expectPlacedAt(IDC_CSYS_NAME, {61, 6, 60, 12});
  s.shown.expectPlacedAt(IDC_TYPE_3, {41, 67, 73, 42});
  s.shown.expectPlacedAt(IDC_FUNCTION, {75, 88, 73, 67});
  s.shown.expectPlacedAt(IDC_HEADER_1, {117, 25, 41, 12});
  s.shown.expectPlacedAt(kGridIds.values[0][2], {117, 67, 76, 12});
  const QImage image = s.shown.image();
  EXPECT_GT(testsupport::countColour(image, s.shown.expectedPlace(IDC_HEADER_1), Qt::white), 3)
      << "the header in white";
  EXPECT_GT(
      testsupport::countColour(image, s.shown.expectedPlace(kGridIds.values[0][1]), QColor(150, 150, 150)),
      100)
      << "a grey value field";
  EXPECT_GT(testsupport::countColour(image, {0, 0, 5, 5}, QColor(0, 0, 140)), 20) << "dark blue dialog";
}

TEST(LoadEntryRender, UniformLoadShowsOneColumnInTheNarrowWindow) {
  ShownInput s(1);
  s.shown.save("loadentry-uniform.png");
  expectCommonControls(s, 32, 79, 126);
  EXPECT_EQ(s.shown.widget<QLabel>(IDC_HEADER_1)->text(), "VALUE");
  for (int p = 1; p < 3; ++p) {
    EXPECT_FALSE(s.shown.shown(kGridIds.headers[p]));
    for (const int id : kGridIds.values[p]) EXPECT_FALSE(s.shown.shown(id)) << id;
  }
  EXPECT_EQ(s.shown.widget<QLineEdit>(kGridIds.values[0][0])->text(), " 1.2345e+03");
  EXPECT_EQ(s.shown.widget<QComboBox>(IDC_TYPE_1)->count(), 3);
  EXPECT_LT(s.shown.expectedPlace(IDC_RESET).right(), s.shown.window->width())
      << "the moved buttons lie inside the narrowed window";
}

TEST(LoadEntryRender, ThreePointLoadShowsThreeNamedColumns) {
  ShownInput s(3);
  s.shown.save("loadentry-three-points.png");
  expectCommonControls(s, 111, 205, 158);  // Reset between OK and Cancel
  EXPECT_EQ(s.shown.widget<QLabel>(IDC_HEADER_1)->text(), "PA");
  EXPECT_EQ(s.shown.widget<QLabel>(IDC_HEADER_2)->text(), "MID");
  EXPECT_EQ(s.shown.widget<QLabel>(IDC_HEADER_3)->text(), "END-B");
  s.shown.expectPlacedAt(IDC_HEADER_3, {273, 25, 41, 12});
  s.shown.expectPlacedAt(kGridIds.values[2][1], {273, 52, 76, 12});
  for (int p = 0; p < 3; ++p) {
    for (const int id : kGridIds.values[p]) {
      EXPECT_TRUE(s.shown.shown(id)) << id;
      s.shown.expectPlaced(id);
    }
  }
  EXPECT_EQ(s.shown.widget<QLineEdit>(kGridIds.values[2][2])->text(), "-4.5000e+00");
  EXPECT_EQ(s.shown.widget<QComboBox>(IDC_TYPE_1)->count(), 2) << "no TOTAL FORCE";
  auto* field = s.shown.widget<QLineEdit>(kGridIds.values[1][0]);
  EXPECT_TRUE(field->font().fixedPitch() || field->fontInfo().fixedPitch()) << "Courier";
}

}  // namespace
}  // namespace loadentry::test
