// The main window on a screen that scales by two: twice the device pixels,
// the same layout, and artwork drawn for that density.
#include "support/MainWindowFixture.h"
#include "ui/GameLook.h"

#include <QApplication>
#include <QLabel>

namespace {

using HiDpiWindow = testing_support::MainWindowFixture;

TEST_F(HiDpiWindow, IsTwiceTheSizeWithTheSameLayout)
{
    ASSERT_DOUBLE_EQ(window.devicePixelRatioF(), 2.0);
    const QPixmap shot = window.grab();
    EXPECT_EQ(shot.size(), QSize(716, 516)) << "device pixels";
    EXPECT_EQ(window.size(), QSize(358, 258)) << "layout pixels";
    EXPECT_EQ(control("Command2").geometry(), QRect(197, 194, 157, 63));
    EXPECT_EQ(control("Label3(5)").geometry(), QRect(114, 75, 34, 23));

    // The play field's yellow line is 3 layout pixels, so 6 device pixels.
    const QImage image = shot.toImage();
    int yellowRows = 0;
    for (int y = 360; y < 390; ++y)
        yellowRows += image.pixelColor(300, y) == QColor(255, 255, 0) ? 1 : 0;
    EXPECT_EQ(yellowRows, 6);
}

TEST_F(HiDpiWindow, ArtworkIsDrawnForTheDensity)
{
    for (const char* name : {"Image1", "Image2(0)"}) {
        const QPixmap picture = control<QLabel>(name).pixmap();
        EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), 2.0) << name;
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), control(name).size()) << name;
    }
    EXPECT_FALSE(window.windowIcon().pixmap(QSize(32, 32), 2.0).isNull());
}

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    ui::installGameLook();
    return RUN_ALL_TESTS();
}
