#include "web/PageLink.h"

#include "WiredGame.h"

#include <QEvent>
#include <QTimer>

#include <emscripten.h>
#include <emscripten/bind.h>

#include <cstdint>
#include <vector>

// The scripts inside EM_ASM are JavaScript, kept as they are written.

namespace {

// The page hands over a file the player chose; the game takes it in its own
// event loop, between ticks, as it takes a click.
void bringIn(std::uintptr_t gameAddress, const emscripten::val& bytes)
{
    const std::vector<char> chosen = emscripten::convertJSArrayToNumberVector<char>(bytes);
    auto* game = reinterpret_cast<WiredGame*>(gameAddress);
    QTimer::singleShot(0, &game->window, [game, file = QByteArray(chosen.data(), qsizetype(chosen.size()))] {
        game->table.bringIn(file, game->window);
    });
}

// Tells the page, once, that the main window has been painted.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            // clang-format off
            EM_ASM({ Module.zentapPainted && Module.zentapPainted(); });
            // clang-format on
            watched->removeEventFilter(this);
        }
        return false;
    }
};

}  // namespace

EMSCRIPTEN_BINDINGS(page_link)
{
    emscripten::function("zentapBringIn", &bringIn);
}

void linkToPage(WiredGame& game)
{
    new FirstPaint(game.window);
    // clang-format off
    EM_ASM({ Module.zentapLinked && Module.zentapLinked($0); }, reinterpret_cast<std::uintptr_t>(&game));
    // clang-format on
    // A box waits for its answer by suspending the game (asyncify); with
    // emscripten 3.1.6 and Qt 6.4 that works only once the start has itself
    // been suspended and resumed, as the load error of a first start does.
    // Without it, the first box of a start without that error (the game
    // over, a damaged table loaded) ends the game.
    emscripten_sleep(0);
}
