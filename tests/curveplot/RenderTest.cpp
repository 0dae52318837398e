// Both plots shown by the real binder offscreen and painted by Qt: the pixels of the background,
// the axis pen, the curve pen and the marker; Ctrl+C onto the system clipboard. Pictures are
// saved in the build folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <cmath>

#include "curveplot/CCurvePlotDlg.h"
#include "curveplot/CCurvePlotLogDlg.h"
#include "platform/ui/qt/QtServices.h"
#include "tests/curveplot/CurveHost.h"
#include "tests/support/Pictures.h"
#include "tests/support/ShownDialog.h"

namespace curveplot::test {
namespace {

const QColor kBack(0, 0, 140);
const QColor kAxis(100, 175, 175);
const QColor kCurve(175, 47, 80);
const QColor kMarker(255, 0, 0);

// A plateau at 80 from 2 to 6 between a rise and a fall over 0..10, on a 0..100 axis (10^0..10^2
// on the decade axis); the peak is the end of the rise. Each window keeps its proportions: the
// frame from left to right, the base line, its grid step; the decade plot's frame stands 10
// pixels further right.
template <class PlotDialog>
struct ShownWindow {
  ShownWindow(const std::string& program, int shift)
      : host({.markMaximum = 1,
              .valueTop = 100.0,
              .valueBottom = 1.0,
              .dispersion = -1.0,
              .caption = "Plateau",
              .segments = {{0, 0, 0, 0}, {0, 2, 20, 80}, {2, 6, 80, 80}, {6, 10, 80, 10}}}) {
    host.launch(program);
    dialog = std::make_unique<PlotDialog>();
    shownDialog = std::make_unique<testsupport::ShownDialog>(*dialog);
    window = shownDialog->window.get();
    image = window->grab().toImage();
    EXPECT_TRUE(image.save(QString::fromStdString(testsupport::picturePath(program + "-plateau.png"))));
    left = window->width() * 70 / 572 + shift;
    right = window->width() * 520 / 572 + shift;
    base = window->height() * 390 / 464;
    step = window->height() * 69 / 464;
  }
  int column(double x) const { return static_cast<int>(left + (right - left) * x); }
  QColor at(int x, int y) const { return image.pixelColor(x, y); }

  CurveHost host;
  std::unique_ptr<PlotDialog> dialog;
  std::unique_ptr<testsupport::ShownDialog> shownDialog;
  ui::qt::DialogWindow* window = nullptr;
  QImage image;
  int left, right, base, step;
};

TEST(PlotRender, LinearPlotPixels) {
  ShownWindow<CCurvePlotDlg> shown("curveplot", 0);
  EXPECT_EQ(shown.window->windowTitle(), "Plateau");
  EXPECT_EQ(shown.at(2, 2), kBack);
  EXPECT_EQ(shown.at(shown.window->width() - 3, shown.window->height() - 3), kBack);
  EXPECT_EQ(shown.at(shown.left, shown.base - shown.step / 2), kAxis) << "left vertical line";
  EXPECT_EQ(shown.at(shown.column(0.5), shown.base - shown.step / 2), kAxis) << "middle line";
  EXPECT_EQ(shown.at(shown.column(0.4), static_cast<int>(shown.base - 5 * shown.step * 0.8)), kCurve);
  EXPECT_EQ(shown.at(shown.column(0.2), shown.base - shown.step / 2), kMarker) << "marker line";
}

TEST(PlotRender, LogPlotPixels) {
  ShownWindow<CCurvePlotLogDlg> shown("curveplotb", 10);
  const int perDecade = (shown.base - 2 * (shown.window->height() * 20 / 464)) / 2;
  const int plateau = static_cast<int>(shown.base - std::log10(80.0) * perDecade);
  EXPECT_EQ(shown.at(2, 2), kBack);
  EXPECT_EQ(shown.at(shown.column(0.75), shown.base - perDecade), kAxis) << "decade line 10^1";
  EXPECT_EQ(shown.at(shown.left, shown.base - perDecade / 2 - 3), kAxis) << "left vertical line";
  EXPECT_EQ(shown.at(shown.column(0.4), plateau), kCurve);
  EXPECT_EQ(shown.at(shown.column(0.2), (plateau + shown.base) / 2), kMarker) << "marker line";
}

// Ctrl+C in the window: the records as text lines and the plot as a picture of the client area.
TEST(PlotRender, CopyGoesToTheClipboard) {
  ui::qt::QtServices qtServices;
  ui::ScopedServices installed(qtServices);
  ShownWindow<CCurvePlotDlg> shown("curveplot", 0);
  QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, QStringLiteral("\x03"));
  QApplication::sendEvent(shown.window, &copy);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "0\t20\t2\t80\n2\t80\t6\t80\n6\t80\t10\t10\n");
  EXPECT_EQ(QApplication::clipboard()->image(), shown.image);
}

}  // namespace
}  // namespace curveplot::test
