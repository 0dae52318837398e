// The window icon follows the model's large and small icons, set before the window exists and
// after.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <memory>

#include "SampleDialog.h"
#include "platform/ui/IconDrawing.h"
#include "platform/ui/qt/DialogWindow.h"
#include "platform/ui/testing/ScriptedServices.h"

namespace {

constexpr int kLargeIcon = 9100;
constexpr int kSmallIcon = 9101;
constexpr int kOtherIcon = 9102;

// A 32 x 32 picture and a 16 x 16 one that differ, each with one marked pixel.
void registerPictures() {
  ui::IconImage large = ui::filledIcon(32, 32, {0, 0, 140});
  ui::strokePolyline(large, {{0.0, 16.0}, {32.0, 16.0}}, 2.0, {255, 255, 0});
  ui::RegisterIcon(kLargeIcon, large);
  ui::IconImage small = ui::filledIcon(16, 16, {200, 10, 10});
  small.argb[5 * 16 + 7] = 0xFF00FF00u;
  ui::RegisterIcon(kSmallIcon, small);
  ui::RegisterIcon(kOtherIcon, ui::filledIcon(32, 32, {10, 200, 10}));
}

// The sample dialog, which sets both icons while it initialises, as the tools do.
class IconDialog : public sample::SampleDialog {
 protected:
  bool OnInitDialog() override {
    const bool result = SampleDialog::OnInitDialog();
    SetIcon(ui::LoadIcon(kLargeIcon), true);
    SetIcon(ui::LoadIcon(kSmallIcon), false);
    return result;
  }
};

QImage iconAt(const QWidget& window, int size) {
  return window.windowIcon().pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(BinderIcon, WindowIconCarriesBothPicturesPixelForPixel) {
  registerPictures();
  ui::testing::ScriptedServices services;
  ui::ScopedServices installed(services);
  IconDialog dialog;
  dialog.create();
  {
    ui::qt::DialogWindow window(dialog);
    ASSERT_FALSE(window.windowIcon().isNull());
    const QList<QSize> sizes = window.windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    const QImage large = iconAt(window, 32);
    EXPECT_EQ(large.size(), QSize(32, 32));
    EXPECT_EQ(large.pixel(10, 16), ui::LoadIcon(kLargeIcon)->pixel(10, 16));
    EXPECT_EQ(large.pixel(10, 16), 0xFFFFFF00u);
    EXPECT_EQ(large.pixel(3, 3), 0xFF00008Cu);
    const QImage small = iconAt(window, 16);
    EXPECT_EQ(small.pixel(7, 5), 0xFF00FF00u);
    EXPECT_EQ(small.pixel(0, 0), ui::LoadIcon(kSmallIcon)->pixel(0, 0));

    dialog.SetIcon(ui::LoadIcon(kOtherIcon), true);
    dialog.SetIcon(ui::LoadIcon(kOtherIcon), false);
    EXPECT_EQ(window.windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
    EXPECT_EQ(iconAt(window, 32).pixel(10, 16), 0xFF0AC80Au) << "a later change is mirrored";
    dialog.destroy();
  }
}

}  // namespace
