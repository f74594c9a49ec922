// The main window as designed, at every screen scale the program is run at
// (100 %, and the 125 %, 150 % and 200 % of laptops): the same layout in
// that many more device pixels, with the artwork drawn for the denser of its
// two densities wherever the screen is denser than 100 %.
#include "MainWindowFixture.h"

using namespace testing_support;
using MainWindow = MainWindowFixture;

TEST_F(MainWindow, IsLaidOutAsDesignedAtTheScreensScale)
{
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
    const auto device = [scale](int layoutPixels) { return qRound(layoutPixels * scale); };
    // Its inside at its designed place, in the size the layout assumes: layout pixels.
    EXPECT_EQ(window.geometry(), QRect(244, 146, 358, 258));
    EXPECT_EQ(describe(window), "13px #000000 fixed Zentap3");
    EXPECT_EQ(layoutOf(window), kMainWindowLayout);
    for (const char* name : {"Image1", "Image2(0)"})
        EXPECT_DOUBLE_EQ(child<QLabel>(&window, name).pixmap().devicePixelRatio(), scale > 1 ? 2 : 1) << name;
    EXPECT_DOUBLE_EQ(window.windowIcon().pixmap(QSize(32, 32), scale).devicePixelRatio(), scale) << "a sharp icon";

    // What the player sees: pale cyan window, white play field, yellow lines,
    // the marker white over the gauge scale, its right edge under the "-0".
    const QImage shot = window.grab().toImage();
    EXPECT_EQ(shot.size(), QSize(358, 258) * scale) << "device pixels";
    // clang-format off
    for (const auto& [x, y, rgb] : {std::tuple{100, 250, 0xC0FFFFU}, {150, 100, 0xFFFFFFU}, {150, 216, 0xFFFF00U},
                                    {50, 212, 0xFFFFFFU}, {72, 208, 0xC0FFFFU}})
        EXPECT_EQ(shot.pixel(device(x), device(y)) & 0xFFFFFFU, rgb) << x << "," << y;
    // clang-format on
    // The upper yellow line is 3 layout pixels high, in device pixels exactly.
    for (int y = device(186) - 1; y <= device(189); ++y)
        EXPECT_EQ(shot.pixelColor(device(150), y) == QColor(255, 255, 0), y >= device(186) && y < device(189)) << y;
}
