// The main window on a screen that scales by two: twice the device pixels,
// the same layout, and artwork drawn for that density.
#include "MainWindowFixture.h"

using namespace testing_support;
using HiDpiWindow = MainWindowFixture;

TEST_F(HiDpiWindow, IsTwiceTheDevicePixelsWithTheSameLayoutAndArtwork)
{
    ASSERT_DOUBLE_EQ(window.devicePixelRatioF(), 2.0);
    const QImage shot = window.grab().toImage();
    EXPECT_EQ(shot.size(), QSize(716, 516)) << "device pixels";
    EXPECT_EQ(layoutOf(window), kMainWindowLayout) << "layout pixels";
    // The play field's yellow line is 3 layout pixels, so 6 device pixels.
    for (int y = 371; y <= 378; ++y)
        EXPECT_EQ(shot.pixelColor(300, y) == QColor(255, 255, 0), y > 371 && y < 378) << y;
    for (const char* name : {"Image1", "Image2(0)"})
        EXPECT_DOUBLE_EQ(child<QLabel>(&window, name).pixmap().devicePixelRatio(), 2.0) << name;
    EXPECT_DOUBLE_EQ(window.windowIcon().pixmap(QSize(32, 32), 2.0).devicePixelRatio(), 2.0) << "a sharp icon";
}
