// The editing dialog and its About box shown by the real binder, offscreen: the controls at the
// template's places, the graph's colours at the pixels where the graph box puts them, and
// pictures saved in the build folder.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstdlib>
#include <string>

#include "curvedit/CAboutDlg.h"
#include "tests/curvedit/CurveEditFixture.h"
#include "tests/support/ShownDialog.h"

namespace curvedit::test {
namespace {

using testsupport::ShownDialog;

QColor colourOf(ui::Rgb c) { return QColor(c.r, c.g, c.b); }

// The offscreen screen keeps fewer than 8 bits a channel: a colour comes back within 3 of itself.
bool near(const QImage& image, int x, int y, ui::Rgb c) {
  const QColor pixel = image.pixelColor(x, y);
  return std::abs(pixel.red() - c.r) <= 3 && std::abs(pixel.green() - c.g) <= 3 &&
         std::abs(pixel.blue() - c.b) <= 3;
}

// Pixels near this colour inside the rectangle.
int countColour(const QImage& image, const QRect& area, ui::Rgb c) {
  return testsupport::countColour(image, area, colourOf(c));
}

// Saves the picture under the name and gives it back.
QImage picture(const ShownDialog& shown, const std::string& name) {
  shown.save(name);
  return shown.image();
}

class CurveEditRender : public CurveEditTest {};

TEST_F(CurveEditRender, GraphOfTheFunctionInItsColours) {
  CCurveEditDlg dialog;
  ShownDialog shown(dialog);
  const QImage image = picture(shown, "curvedit-time.png");
  EXPECT_EQ(shown.widget<QLabel>(IDC_CAPTION)->text(), "TIME function : Ramp hold release");
  EXPECT_EQ(shown.widget<QLineEdit>(IDC_XMAX)->text(), " 2.500e+00");
  EXPECT_EQ(shown.widget<QLineEdit>(IDC_POINTY)->text(), " 0.000e+00");
  EXPECT_EQ(shown.widget<QComboBox>(IDC_XSCALE)->currentText(), "LINEAR");
  EXPECT_EQ(shown.widget<QPushButton>(1)->text(), "APPLY");
  for (const int id : {1, 2, IDC_CAPTION, IDC_XMIN, IDC_YMAX, IDC_DEFINE, IDC_REFIT, IDC_SPIN, IDC_POINTX,
                       IDC_NEW, IDC_INPUT, IDC_DELETE, IDC_XSCALE, IDC_GRAPHBOX}) {
    shown.expectPlaced(id);
  }
  // Later paints draw the grid over the curve, so the curve is looked for off the grid lines:
  // about the middle of the rising edge, in the field below the held part, and the red ring
  // around the selected (first) point.
  const int riseColumn = (dialog.graph.MapX(0.0) + dialog.graph.MapX(0.5)) / 2;
  const int riseRow = (dialog.graph.MapY(0.0) + dialog.graph.MapY(1.0)) / 2;
  EXPECT_GT(countColour(image, {riseColumn - 3, riseRow - 3, 7, 7}, graphstyle::kCurve), 2);
  const int holdColumn = (dialog.graph.MapX(0.5) + dialog.graph.MapX(2.0)) / 2;
  EXPECT_TRUE(near(image, holdColumn, dialog.graph.MapY(0.5), graphstyle::kField));
  EXPECT_TRUE(near(image, holdColumn, dialog.graph.plotBottom, graphstyle::kGrid));
  const int c = dialog.graph.MapX(0.0);
  const int r = dialog.graph.MapY(0.0);
  EXPECT_GT(countColour(image, {c - 8, r - 8, 17, 17}, graphstyle::kRing), 10);
  EXPECT_GT(countColour(image, {c - 2, r - 2, 5, 5}, graphstyle::kWhite), 4);
  EXPECT_EQ(countColour(image, {c + 20, r - 60, 40, 40}, graphstyle::kRing), 0);
}

TEST_F(CurveEditRender, FrequencyFunctionOnLogarithmicAxes) {
  host.frequencyFunction({{2.0, 0.04}, {5.0, 1.0}, {40.0, 1.0}, {60.0, 0.2}, {70.0, 0.01}});
  CCurveEditDlg dialog;
  ShownDialog shown(dialog);
  ASSERT_TRUE(dialog.select(IDC_XSCALE, kLogScale));
  ASSERT_TRUE(dialog.select(IDC_YSCALE, kLogScale));
  ASSERT_TRUE(dialog.click(IDC_REFIT));
  const QImage image = picture(shown, "curvedit-log.png");
  EXPECT_EQ(shown.widget<QLineEdit>(IDC_XMIN)->text(), " 1.000e+00");
  EXPECT_EQ(shown.widget<QLineEdit>(IDC_XMAX)->text(), " 1.000e+02");
  EXPECT_EQ(shown.widget<QLineEdit>(IDC_YMIN)->text(), " 1.000e-02");
  EXPECT_EQ(dialog.graph.plotLeft, dialog.graph.graphRect.x + 70 + 5 + 6) << "room for 1.0e-02";
  // Two decades of X: the line of 10 lies halfway across.
  const int half = dialog.graph.plotLeft + dialog.graph.plotWidth / 2;
  EXPECT_TRUE(near(image, half, dialog.graph.plotBottom - 40, graphstyle::kGrid));
  EXPECT_FALSE(near(image, half + 3, dialog.graph.plotBottom - 40, graphstyle::kGrid));
  const int c = dialog.graph.MapX(5.0);
  const int r = dialog.graph.MapY(1.0);
  EXPECT_GT(countColour(image, {c - 2, r - 2, 5, 5}, graphstyle::kWhite), 4) << "marker at (5, 1)";
}

TEST_F(CurveEditRender, AboutBoxShowsTheIconTextAndOk) {
  curvedit::registerIcon();
  CAboutDlg about;
  ShownDialog shown(about);
  picture(shown, "curvedit-about.png");
  EXPECT_EQ(shown.window->windowTitle(), "About curvedit");
  EXPECT_EQ(shown.widget<QPushButton>(1)->text(), "OK");
  const auto labels = shown.window->findChildren<QLabel*>();
  int pictures = 0;
  for (const QLabel* label : labels) {
    if (!label->pixmap().isNull()) {
      ++pictures;
      const QImage icon = label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
      EXPECT_EQ(icon.pixel(16, 16), ui::LoadIcon(IDR_MAINFRAME)->pixel(16, 16));
    } else {
      EXPECT_EQ(label->text(), "curvedit Version 1.0");
    }
  }
  EXPECT_EQ(pictures, 1);
}

}  // namespace
}  // namespace curvedit::test
