#include "ui/GameLook.h"

#include <QApplication>

#include <gtest/gtest.h>

// The widget tests' program: Qt's offscreen platform, so no display is
// needed, on a screen scaled by SCREEN_SCALE where the program is built with
// one.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef SCREEN_SCALE
    qputenv("QT_SCALE_FACTOR", SCREEN_SCALE);
#endif
    QApplication app(argc, argv);
    ui::installGameLook();
    return RUN_ALL_TESTS();
}
