#include "highscores/HighScoreTable.h"

#include <utility>

namespace highscores {

HighScoreLevels levelsOf(const HighScoreTable& table)
{
    return {table[0].level, table[1].level, table[2].level};
}

std::optional<int> rankFor(const HighScoreLevels& levels, std::uint8_t level)
{
    // Only a level above rank 3 gets in, even when a hand-edited table holds
    // a lower level further up.
    if (levels[2] >= level)
        return std::nullopt;
    int rank = 1;
    while (levels[static_cast<std::size_t>(rank - 1)] >= level)
        ++rank;
    return rank;
}

HighScoreTable insertedAt(HighScoreTable table, int rank, const HighScoreEntry& entry)
{
    const auto at = static_cast<std::size_t>(rank - 1);
    for (std::size_t i = table.size() - 1; i > at; --i)
        table[i] = std::move(table[i - 1]);
    table.at(at) = entry;
    return table;
}

}  // namespace highscores
