// The game itself, reporting its first paint and, after one started and
// ended game, its peak memory.
#include "FirstPaintProbe.h"
#include "GameRun.h"
#include "WiredGame.h"

#include <QApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace {

void waitFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void playOneGame(QWidget& window)
{
    window.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    waitFor(1000);
    // The game-over message closes as soon as it is up.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    closer.start(10);
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
}

}  // namespace

int main(int argc, char* argv[])
{
    return runGame(argc, argv, [](WiredGame& game) {
        QWidget& window = game.window;
        probeFirstPaint(window, [&window] { playOneGame(window); });
    });
}
