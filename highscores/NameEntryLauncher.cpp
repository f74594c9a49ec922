#include "highscores/NameEntryLauncher.h"

#include "highscores/HighScoreTable.h"
#include "highscores/Module1.h"

#include <optional>

namespace highscores {

NameEntryLauncher::NameEntryLauncher(Module1& table, NameEntryWindows& windows) : table_(table), windows_(windows) {}

void NameEntryLauncher::showNameEntry()
{
    if (open_) {
        waiting_.push_back(table_.finalLevel);
        windows_.bringForward();
        return;
    }
    open(table_.finalLevel, table_.newRank);
}

void NameEntryLauncher::open(std::uint8_t level, std::uint8_t rank)
{
    open_ = true;
    windows_.open(level, rank, [this] { closed(); });
}

void NameEntryLauncher::closed()
{
    open_ = false;
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
