#pragma once

#include "highscores/HighScoreFile.h"
#include "highscores/HighScoreLabels.h"
#include "highscores/HighScoreTable.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace platform {
class MessageBoxService;
}

namespace highscores {

// The high-score table shared by the main window and the name-entry window,
// and the operations that load, clear and save it.
class Module1 {
public:
    Module1(platform::MessageBoxService& messageBox, platform::FileStore& files, const QString& directory);

    std::array<QString, 3> hiNames;  // index 0 is rank 1
    HighScoreLevels hiScores{};      // same indexing as hiNames
    std::uint8_t finalLevel = 0;     // level of the game that has just ended
    std::uint8_t newRank = 0;        // rank 1 to 3 of the last game that entered the table

    // Reads hs.hsd into the table and shows it in the labels. A file that
    // gives no table is reported, and the default table is saved in its
    // place as any table is; memory holds it, the labels keep what they show.
    void LoadHighScores(HighScoreLabels& labels);
    // The same, telling the player of a failure in the given box.
    void LoadHighScores(HighScoreLabels& labels, platform::MessageBoxService& messageBox);

    // Asks for confirmation, then resets hs.hsd, the table and the labels.
    void ClearHighScores(HighScoreLabels& labels);

    // Writes the changed table to hs.hsd. The change starts from the table as
    // it stands in the file when the file is the game's own (another game in
    // the same directory may have saved since), else from the table in
    // memory. False, after telling the player why in the given box, when
    // hs.hsd could not be written, or when a file there in another form could
    // not be read or set aside first. Memory is not touched either way.
    bool SaveHighScores(const TableChange& change, platform::MessageBoxService& messageBox);
    // The same, writing this table whatever the file holds.
    bool SaveHighScores(const HighScoreTable& table, platform::MessageBoxService& messageBox);

    // The table as it stands in memory.
    HighScoreTable table() const;
    // Shows a table in the main window's labels: names, then levels.
    static void showTable(HighScoreLabels& labels, const HighScoreTable& table);

private:
    void takeErrorPath(platform::MessageBoxService& messageBox);
    void setTable(const HighScoreTable& table);
    static bool reportWriteFailure(const std::optional<platform::FileFailure>& failure,
                                   platform::MessageBoxService& messageBox);

    platform::MessageBoxService& messageBox_;
    HighScoreFile file_;
};

}  // namespace highscores
