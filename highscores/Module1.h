#pragma once

#include "highscores/HighScoreLabels.h"

#include <QString>

#include <array>
#include <cstdint>

namespace platform {
class MessageBoxService;
}

namespace highscores {

// The high-score table shared by the main window and the name-entry window,
// and the operations that load and clear it.
class Module1 {
public:
    Module1(platform::MessageBoxService& messageBox, QString directory);

    std::array<QString, 3> hiNames;          // index 0 is rank 1
    std::array<std::uint8_t, 3> hiScores{};  // same indexing as hiNames
    std::uint8_t finalLevel = 0;             // level of the game that has just ended
    std::uint8_t newRank = 0;                // 1 to 3, or 5 for no rank

    // Reads hs.hsd into the table and shows it in the labels.
    void LoadHighScores(HighScoreLabels& labels);

    // Asks for confirmation, then resets hs.hsd, the table and the labels.
    void ClearHighScores(HighScoreLabels& labels);

private:
    platform::MessageBoxService& messageBox_;
    QString directory_;
};

}  // namespace highscores
