// The About box (dialog 100) on its model and shown offscreen by the binder, and the pictures
// shakeplay draws by code: its icon and its zoom cursor.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include "platform/ui/DialogUnits.h"
#include "platform/ui/ModalRun.h"
#include "platform/ui/Services.h"
#include "platform/ui/qt/DialogWindow.h"
#include "platform/ui/qt/QtFonts.h"
#include "platform/ui/testing/RecordingPainter.h"
#include "shakeplay/app/AboutDialog.h"
#include "shakeplay/app/Resources.h"
#include "shakeplay/app/ShakeplayPictures.h"
#include "tests/support/Pictures.h"

namespace shakeplay {
namespace {

using ui::testing::PaintOp;

std::uint32_t alpha(std::uint32_t argb) { return argb >> 24; }

TEST(AboutBox, IsDialog100WithTheVersionTextAndEndsWithOk) {
  CAboutDlg about;
  EXPECT_EQ(about.dialogTemplate().id, 100);
  EXPECT_EQ(about.dialogTemplate().caption, "About shakeplay");
  EXPECT_EQ(about.dialogTemplate().size, (ui::Size{217, 55}));
  const int result = ui::runHeadless(about, [](ui::Dialog& dialog) {
    EXPECT_EQ(dialog.controls().at(0).text, "shakeplay Version 1.0");
    dialog.click(ui::IDOK);
  });
  EXPECT_EQ(result, ui::IDOK);
}

TEST(AboutBox, PaintsTheApplicationIconAtItsPlace) {
  registerApplicationIcon();
  CAboutDlg about;
  about.setBaseUnits({6, 13});
  about.create();
  ui::testing::RecordingPainter painter;
  about.paint(painter);
  const auto icons = painter.callsOf(PaintOp::Icon);
  ASSERT_EQ(icons.size(), 1u);
  // 11, 17 dialog units at 6 x 13 pixels per 4 x 8 units, rounded: 16.5 -> 17, 27.6 -> 28.
  EXPECT_EQ(icons[0].points.at(0), (ui::Point{17, 28}));
  EXPECT_EQ(icons[0].icon, ui::LoadIcon(IDR_MAINFRAME));
  ASSERT_NE(icons[0].icon, nullptr);
  EXPECT_EQ(icons[0].icon->width, 32);
  about.destroy();
}

TEST(AboutBox, ShownByTheBinderWithItsIcon) {
  registerApplicationIcon();
  CAboutDlg about;
  const ui::DialogTemplate& t = about.dialogTemplate();
  about.setBaseUnits(ui::qt::baseUnitsOf(ui::qt::dialogFont(t.fontFace, t.pointSize)));
  about.create();
  ui::qt::DialogWindow window(about);
  about.showDialog(true);
  window.show();
  QApplication::processEvents();
  const QImage picture = window.grab().toImage();
  picture.save(QString::fromStdString(testsupport::picturePath("shakeplay-about.png")));
  EXPECT_EQ(picture.size(), QSize(326, 89));  // 217 x 55 units: 325.5, 89.4
  const ui::Rect icon = ui::dialogToPixels(CAboutDlg::kIconRect, about.baseUnits());
  // The icon's dark blue ground shows at its top-left corner.
  EXPECT_EQ(picture.pixelColor(icon.x + 1, icon.y + 1), QColor(0, 0, 140));
  EXPECT_EQ(qobject_cast<QPushButton*>(window.widgetOf(ui::IDOK))->text(), "OK");
  about.pressEscape();
  about.destroy();
}

TEST(ZoomCursor, AGlassRingWithAHandleOnATransparentGround) {
  const ui::IconImage cursor = zoomCursorPicture();
  ASSERT_TRUE(cursor.valid());
  ASSERT_EQ(cursor.width, 32);
  const int hx = kZoomCursorHotSpot.x, hy = kZoomCursorHotSpot.y;
  EXPECT_EQ(alpha(cursor.pixel(hx, hy)), 0u);  // see-through in the glass
  EXPECT_EQ(alpha(cursor.pixel(31, 0)), 0u);   // and around it
  EXPECT_EQ(alpha(cursor.pixel(0, 31)), 0u);
  EXPECT_EQ(cursor.pixel(hx + 8, hy), 0xFF000000u);  // the ring, radius 8, in black
  EXPECT_EQ(cursor.pixel(hx, hy - 8), 0xFF000000u);
  EXPECT_EQ(cursor.pixel(24, 24), 0xFF000000u);       // the handle
  EXPECT_EQ(cursor.pixel(hx + 10, hy), 0xFFFFFFFFu);  // the white rim outside the ring
}

TEST(ApplicationIcon, BandsOfTheColourScaleOnDarkBlue) {
  const ui::IconImage icon = applicationIcon();
  ASSERT_TRUE(icon.valid());
  EXPECT_EQ(icon.pixel(0, 0), 0xFF00008Cu);
  int coloured = 0;
  for (std::uint32_t p : icon.argb) coloured += (p & 0x00FFFF00u) != 0 ? 1 : 0;  // red or green in it
  EXPECT_GT(coloured, 300);
}

}  // namespace
}  // namespace shakeplay
