#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace highscores {

struct HighScoreEntry {
    std::uint8_t level = 0;
    QString name;

    friend bool operator==(const HighScoreEntry&, const HighScoreEntry&) = default;
};

// Best first: index 0 is rank 1.
using HighScoreTable = std::array<HighScoreEntry, 3>;
using HighScoreLevels = std::array<std::uint8_t, 3>;

// The default table's name: the file holds "None", memory and the labels hold
// "none" after a clear or a failed load, until the next load.
inline const QString kDefaultNameInFile = QStringLiteral("None");
inline const QString kDefaultNameInMemory = QStringLiteral("none");

HighScoreLevels levelsOf(const HighScoreTable& table);

// The rank, 1 to 3, that a level earns in a table with these levels: the
// best rank whose level lies below it, so a tie goes below the entry already
// there. Nothing when the level does not beat rank 3.
std::optional<int> rankFor(const HighScoreLevels& levels, std::uint8_t level);

// The table with the entry at the rank (1 to 3); the entries below move down
// one place and the old rank 3 drops out.
HighScoreTable insertedAt(HighScoreTable table, int rank, const HighScoreEntry& entry);

}  // namespace highscores
