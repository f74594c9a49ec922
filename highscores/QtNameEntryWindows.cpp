#include "highscores/QtNameEntryWindows.h"

#include "highscores/Form2Window.h"

#include <utility>

namespace highscores {

QtNameEntryWindows::QtNameEntryWindows(Module1& table) : table_(table) {}

QtNameEntryWindows::~QtNameEntryWindows() = default;

void QtNameEntryWindows::setMainWindow(MainWindowLink& mainWindow)
{
    mainWindow_ = &mainWindow;
}

void QtNameEntryWindows::open(std::uint8_t level, std::uint8_t rank, std::function<void()> closed)
{
    Q_ASSERT(mainWindow_);
    window_ = std::make_unique<Form2Window>(table_, *mainWindow_, level, rank);
    // Queued, so the window is deleted after its close has finished.
    connect(
        window_.get(), &Form2Window::closed, this,
        [this, window = window_.get(), closed = std::move(closed)] {
            if (window_.get() != window)
                return;
            const auto report = closed;
            window_.reset();
            report();
        },
        Qt::QueuedConnection);
    bringForward();
}

void QtNameEntryWindows::bringForward()
{
    if (window_)
        window_->bringForward();
}

}  // namespace highscores
