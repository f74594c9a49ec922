#include "GameRun.h"
#include "WiredGame.h"
#include "platform/FileCalls.h"
#include "platform/FileStore.h"
#include "platform/MessageBoxService.h"
#include "platform/RandomSource.h"
#include "platform/RunTimeError.h"
#include "ui/GameLook.h"
#include "ui/QtMessageBox.h"
#include "ui/WindowFront.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include <cstdlib>

namespace {

constexpr int kRunTimeErrorExitCode = 3;

// The one place a run-time error that escapes a handler ends up: it is
// reported, and the program ends.
[[noreturn]] void reportAndExit(const platform::RunTimeError& error)
{
    QMessageBox box(QMessageBox::NoIcon, platform::applicationTitle(), error.reportText(), QMessageBox::Ok);
    box.exec();
    std::exit(kRunTimeErrorExitCode);
}

class GameApplication final : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const platform::RunTimeError& error) {
            reportAndExit(error);
        }
    }
};

// The game places its windows, centres the name window and brings a window
// forward; a Wayland compositor lets no program do that, so on a Wayland
// session the game goes through XWayland where there is one, and runs on
// Wayland itself where there is none. A platform the player chose wins.
void preferXWayland()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    const bool waylandSession = qEnvironmentVariable("XDG_SESSION_TYPE") == QStringLiteral("wayland") ||
                                qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (waylandSession && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
#endif
}

}  // namespace

int runGame(int argc, char* argv[], const std::function<void(WiredGame& game)>& afterShow)
{
    preferXWayland();
    GameApplication app(argc, argv);
    ui::installGameLook();

    platform::ClockSeededRandom random;
    ui::QtMessageBox messageBox;
    const std::unique_ptr<platform::FileCalls> calls = platform::systemFileCalls();
    platform::DiskFileStore files(*calls);
    WiredGame game(messageBox, random, files, QDir::currentPath());
    try {
        game.window.load();
    } catch (const platform::RunTimeError& error) {
        reportAndExit(error);
    }
    ui::showAsPlaced(game.window);
    if (afterShow)
        afterShow(game);
    return QApplication::exec();
}
