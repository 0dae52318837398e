// The information dialog shown by the real binder, offscreen, for a two-point load: which
// controls show, their captions and places, and a picture in the build folder.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "bcviewer/BcViewerResources.h"
#include "bcviewer/CLoadBcInfoDlg.h"
#include "tests/bcviewer/InfoBlock.h"
#include "tests/support/ShownDialog.h"

namespace bcviewer::test {
namespace {

// The block is ready before the dialog is constructed on it.
struct LaunchedBlock {
  LaunchedBlock() { host.launch({"-dyn"}); }
  InfoBlock host{twoPointPressure()};
};

struct ShownInfo : LaunchedBlock {
  CLoadBcInfoDlg dialog;
  testsupport::ShownDialog shown{dialog};
};

TEST(BcViewerRender, TwoPointLoadShowsTwoColumnsInTheNarrowWindow) {
  ShownInfo s;
  s.shown.save("bcviewer-two-points.png");
  EXPECT_EQ(s.shown.window->windowTitle(), "Load/BC info");
  EXPECT_EQ(s.shown.window->size(), QSize(s.dialog.clientSize().cx, s.dialog.clientSize().cy));
  EXPECT_EQ(s.shown.widget<QPushButton>(1)->text(), "OK");
  const std::pair<int, const char*> captions[] = {
      {IDC_CSYS_CAPTION, "csys name : "}, {IDC_FUNCTION_CAPTION, "load func :"},
      {IDC_DIR_CAPTION, "Dir."},          {IDC_TYPE_CAPTION, "Type"},
      {IDC_HEADER_1, "beg.pnt"},          {IDC_HEADER_2, "end.pnt"}};
  for (const auto& [id, text] : captions) {
    EXPECT_EQ(s.shown.widget<QLabel>(id)->text(), text);
    EXPECT_TRUE(s.shown.shown(id)) << id;
    s.shown.expectPlaced(id);
  }
  EXPECT_FALSE(s.shown.shown(IDC_HEADER_3));
  EXPECT_EQ(s.shown.widget<QLineEdit>(IDC_CSYS_NAME)->text(), "SURF-CSYS-7");
  EXPECT_EQ(s.shown.widget<QLineEdit>(IDC_FUNCTION_NAME)->text(), "PRESSURE-RAMP 0.25s");
  EXPECT_EQ(s.shown.widget<QLineEdit>(IDC_TYPE_2)->text(), "DISPLACEMENT");
  EXPECT_EQ(s.shown.widget<QLineEdit>(IDC_TYPE_3)->text(), "PRESSURE");
  for (int p = 0; p < 3; ++p) {
    for (int d = 0; d < 3; ++d) {
      const int id = kGridIds.values[p][d];
      EXPECT_EQ(s.shown.shown(id), p < 2) << id;
      if (p < 2) {
        EXPECT_EQ(s.shown.widget<QLineEdit>(id)->text(), kValueTexts[p][d]);
        EXPECT_TRUE(s.shown.widget<QLineEdit>(id)->isReadOnly());
        s.shown.expectPlaced(id);
      }
    }
  }
  s.shown.expectPlacedAt(1, {112, 85, 47, 14});
  s.shown.expectPlacedAt(IDC_HEADER_2, {187, 23, 42, 10});
  s.shown.expectPlacedAt(kGridIds.values[1][2], {187, 64, 77, 15});
  s.shown.expectPlacedAt(IDC_FUNCTION_NAME, {171, 7, 93, 13});
  const QRect ok = s.shown.expectedPlace(1);
  EXPECT_LT(ok.right(), s.shown.window->width()) << "OK lies inside the narrowed window";
  EXPECT_LT(s.shown.expectedPlace(kGridIds.values[1][0]).right(), s.shown.window->width());
}

}  // namespace
}  // namespace bcviewer::test
