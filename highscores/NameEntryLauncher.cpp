#include "highscores/NameEntryLauncher.h"

#include "highscores/Form2Window.h"
#include "highscores/HighScoreTable.h"
#include "highscores/Module1.h"

#include <optional>

namespace highscores {

NameEntryLauncher::NameEntryLauncher(Module1& table) : table_(table) {}

NameEntryLauncher::~NameEntryLauncher() = default;

void NameEntryLauncher::setMainWindow(MainWindowLink& mainWindow)
{
    mainWindow_ = &mainWindow;
}

void NameEntryLauncher::showNameEntry(std::uint8_t level, std::uint8_t rank)
{
    if (window_) {
        waiting_.push_back(level);
        window_->bringForward();
        return;
    }
    open(level, rank);
}

void NameEntryLauncher::open(std::uint8_t level, std::uint8_t rank)
{
    Q_ASSERT(mainWindow_);
    window_ = std::make_unique<Form2Window>(table_, *mainWindow_, level, rank);
    // Queued, so the window is deleted after its close has finished; once,
    // so a close reported again is never taken for the next window's.
    connect(window_.get(), &Form2Window::closed, this, &NameEntryLauncher::closed,
            Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
    window_->bringForward();
}

void NameEntryLauncher::closed()
{
    window_.reset();
    while (!waiting_.empty()) {
        const std::uint8_t level = waiting_.front();
        waiting_.pop_front();
        if (const std::optional<int> rank = rankFor(table_.hiScores, level)) {
            open(level, static_cast<std::uint8_t>(*rank));
            return;
        }
    }
}

}  // namespace highscores
