// Both plots shown by the real binder offscreen and painted by Qt: the pixels of the background,
// the axis pen, the curve pen and the marker; Ctrl+C onto the system clipboard. Pictures are
// saved in the build folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <memory>
#include <string>

#include "curveplot/CCurvePlotDlg.h"
#include "curveplot/CCurvePlotLogDlg.h"
#include "platform/ui/qt/QtServices.h"
#include "tests/curveplot/CurveHost.h"
#include "tests/support/Pictures.h"
#include "tests/support/ShownDialog.h"

namespace curveplot::test {
namespace {

// A plateau at 80 from 2 to 6 between a rise and a fall, over 0..10 on a 0..100 axis (and
// 10^0..10^2 on the decade axis). The peak is the end of the rise, at 2.
Curve plateauCurve() {
  return {.markMaximum = 1,
          .valueTop = 100.0,
          .valueBottom = 1.0,
          .dispersion = -1.0,
          .caption = "Plateau",
          .segments = {{0.0, 0.0, 0.0, 0.0},
                       {0.0, 2.0, 20.0, 80.0},
                       {2.0, 6.0, 80.0, 80.0},
                       {6.0, 10.0, 80.0, 10.0}}};
}

template <class PlotDialog>
class ShownWindow {
 public:
  explicit ShownWindow(const std::string& program) : host_(plateauCurve()) {
    host_.launch(program);
    dialog = std::make_unique<PlotDialog>();
    window = testsupport::showInWindow(*dialog);
  }
  ~ShownWindow() {
    dialog->pressEscape();
    dialog->destroy();
    window.reset();
  }

  QImage picture(const std::string& name) const {
    const QImage image = window->grab().toImage();
    EXPECT_TRUE(image.save(QString::fromStdString(testsupport::picturePath(name))));
    return image;
  }
  // The client area's proportions, worked out as in the layout table.
  int left() const { return window->width() * 70 / 572; }
  int right() const { return window->width() * 520 / 572; }
  int base() const { return window->height() * 390 / 464; }
  int step() const { return window->height() * 69 / 464; }
  int column(double x) const { return static_cast<int>(left() + (right() - left()) * x); }

  std::unique_ptr<PlotDialog> dialog;
  std::unique_ptr<ui::qt::DialogWindow> window;

 private:
  CurveHost host_;
};

QColor at(const QImage& image, int x, int y) { return image.pixelColor(x, y); }
const QColor kBack(0, 0, 140);
const QColor kAxis(100, 175, 175);
const QColor kCurve(175, 47, 80);
const QColor kMarker(255, 0, 0);

TEST(PlotRender, LinearPlotPixels) {
  ShownWindow<CCurvePlotDlg> shown("curveplot");
  EXPECT_EQ(shown.window->windowTitle(), "Plateau");
  const QImage image = shown.picture("curveplot-plateau.png");
  const int base = shown.base();
  const int step = shown.step();
  EXPECT_EQ(at(image, 2, 2), kBack);
  EXPECT_EQ(at(image, shown.window->width() - 3, shown.window->height() - 3), kBack);
  EXPECT_EQ(at(image, shown.left(), base - step / 2), kAxis) << "left vertical line";
  EXPECT_EQ(at(image, shown.column(0.5), base - step / 2), kAxis) << "middle vertical line";
  EXPECT_EQ(at(image, shown.column(0.4), static_cast<int>(base - 5 * step * 0.8)), kCurve)
      << "plateau";
  EXPECT_EQ(at(image, shown.column(0.2), base - step / 2), kMarker) << "marker line";
}

TEST(PlotRender, LogPlotPixels) {
  ShownWindow<CCurvePlotLogDlg> shown("curveplotb");
  const QImage image = shown.picture("curveplotb-plateau.png");
  const int base = shown.base();
  const int perDecade = (base - 2 * (shown.window->height() * 20 / 464)) / 2;
  // The frame stands 10 pixels right of the decade labels.
  const int left = shown.left() + 10;
  const int right = shown.right() + 10;
  auto column = [&](double x) { return static_cast<int>(left + (right - left) * x); };
  const int plateau = static_cast<int>(base - std::log10(80.0) * perDecade);
  EXPECT_EQ(at(image, 2, 2), kBack);
  EXPECT_EQ(at(image, column(0.75), base - perDecade), kAxis) << "decade line 10^1";
  EXPECT_EQ(at(image, left, base - perDecade / 2 - 3), kAxis) << "left vertical line";
  EXPECT_EQ(at(image, column(0.4), plateau), kCurve) << "plateau";
  EXPECT_EQ(at(image, column(0.2), (plateau + base) / 2), kMarker) << "marker line";
}

// Ctrl+C in the window: the records as text lines and the plot as a picture of the client area.
TEST(PlotRender, CopyGoesToTheClipboard) {
  ui::qt::QtServices qtServices;
  ui::ScopedServices installed(qtServices);
  ShownWindow<CCurvePlotDlg> shown("curveplot");
  QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, QStringLiteral("\x03"));
  QApplication::sendEvent(shown.window.get(), &copy);
  const QClipboard* clipboard = QApplication::clipboard();
  EXPECT_EQ(clipboard->text().toStdString(), "0\t20\t2\t80\n2\t80\t6\t80\n6\t80\t10\t10\n");
  const QImage picture = clipboard->image();
  ASSERT_EQ(picture.size(), shown.window->size());
  EXPECT_EQ(picture.pixelColor(shown.column(0.4), static_cast<int>(shown.base() - 5 * shown.step() * 0.8)),
            kCurve);
}

}  // namespace
}  // namespace curveplot::test
