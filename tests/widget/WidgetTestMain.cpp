#include "ui/GameLook.h"

#include <QApplication>

#include <gtest/gtest.h>

// The widget tests' program: Qt's offscreen platform, so no display is
// needed, on a screen scaled as QT_SCALE_FACTOR says.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::installGameLook();
    return RUN_ALL_TESTS();
}
