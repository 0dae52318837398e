// The control panel as the main window embeds it, drawn offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include "platform/ui/qt/DialogWindow.h"
#include "shakeplay/app/WindowLayout.h"
#include "shakeplay/panel/CControlView.h"
#include "shakeplay/panel/ControlResources.h"
#include "shakeplay/panel/qt/ControlPanel.h"
#include "tests/shakeplay/support/TestModel.h"
#include "tests/support/Pictures.h"

namespace shakeplay {
namespace {

const QColor kPanel(212, 208, 200);
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

TEST(ControlPanelWidget, PlaysFromItsButtonsAndPaintsTheTimeAxisInPlace) {
  test::ViewedDoc viewed(test::windowResult(10, 18, 1.0525f, 1.7475f));  // start frame 126
  CShakeplayDoc& doc = viewed.doc;
  const test::CountingView& view = viewed.view;

  QWidget parent;
  parent.resize(800, 170);
  QWidget below(&parent);  // a sibling made before the panel: the panel goes beneath it
  const ControlPanel panel = CreateControlPanel(doc, &parent, {212, 208, 200});
  ASSERT_NE(panel.view, nullptr);
  EXPECT_EQ(parent.children().indexOf(panel.widget), 0);  // bottom of the z-order
  panel.widget->setGeometry(0, 10, 800, 160);
  parent.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
  auto& form = dynamic_cast<ui::qt::DialogWindow&>(*panel.widget);

  // At the template's own pixels the lists stay clear of the orientation box, which lies over
  // the panel's right part: SMOOTH at 327 x 6 / 4, 39 wide.
  EXPECT_EQ(form.widgetOf(IDC_SMOOTH)->geometry().x(), 491);
  for (const int id : {IDC_SPEED, IDC_COEF, IDC_SMOOTH}) {
    EXPECT_EQ(form.widgetOf(id)->geometry().right(), 529) << id;
    EXPECT_LT(form.widgetOf(id)->geometry().right(), layout::kOrientationBox.x) << id;
  }

  // PLAY starts the clock at SPEED "5": ticks as fast as the loop allows, each one rendering.
  QTest::mouseClick(form.widgetOf(IDC_PLAY), Qt::LeftButton);
  EXPECT_TRUE(panel.view->running);
  EXPECT_FALSE(form.widgetOf(IDC_PLAY)->isEnabled());
  EXPECT_TRUE(form.widgetOf(IDC_STOP)->isEnabled());
  QElapsedTimer clock;
  clock.start();
  while (view.renders < 10 && clock.elapsed() < 5000) QApplication::processEvents();
  EXPECT_GE(view.renders, 10);
  QTest::mouseClick(form.widgetOf(IDC_STOP), Qt::LeftButton);
  EXPECT_FALSE(panel.view->running);
  EXPECT_TRUE(form.widgetOf(IDC_PLAY)->isEnabled());

  while (doc.animation().currentFrame() != 146)
    doc.AdvanceFrame();  // step 12 at 1.2 s: 82 of the bar's 390 pixels
  panel.view->Invalidate();
  const QImage image = panel.widget->grab().toImage();
  image.save(QString::fromStdString(testsupport::picturePath("shakeplay-control-panel.png")));
  EXPECT_EQ(qobject_cast<QLineEdit*>(form.widgetOf(IDC_TIME))->text(), "1.200e+00");
  struct Pixel {
    int x, y;
    QColor colour;
  };
  const Pixel pixels[] = {
      {100, 40, kBlack},  {30, 37, kBlack},  {127, 37, kBlack}, {127, 35, kPanel},  // axis, ticks
      {30, 52, kWhite},   {200, 57, kWhite},                                        // frame
      {200, 47, kBlack},  {420, 52, kBlack}, {31, 52, kBlack},  {112, 52, kBlack},
      {113, 52, kPanel},  {300, 52, kPanel},  // fill
      {780, 150, kPanel}, {10, 5, kPanel},    // panel
  };
  for (const Pixel& p : pixels) {
    EXPECT_EQ(image.pixelColor(p.x, p.y), p.colour) << p.x << ", " << p.y;
  }
  int labelInk = 0;  // the start label, black text on the panel colour
  for (int y = 20; y < 34; ++y) {
    for (int x = 30; x < 100; ++x) labelInk += image.pixelColor(x, y).lightness() < 60;
  }
  EXPECT_GT(labelInk, 40);
}

}  // namespace
}  // namespace shakeplay
