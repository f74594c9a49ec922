#pragma once

#include "highscores/HighScoreFile.h"
#include "highscores/HighScoreLabels.h"
#include "highscores/HighScoreTable.h"

#include <QByteArray>
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

    // Puts a file the player brings in place of hs.hsd, as a save would,
    // and loads it as at start: a file that gives no table is reported and
    // set aside in turn. A failure to write is reported and changes nothing.
    void bringIn(const QByteArray& bytes, HighScoreLabels& labels);

    // Asks for confirmation, then resets hs.hsd, the table and the labels.
    void ClearHighScores(HighScoreLabels& labels);

    // Writes the changed table to hs.hsd, starting from the table as it
    // stands (HighScoreFile::save says which that is), and says what it
    // wrote. A failure is told to the player in the given box. Memory is not
    // touched either way.
    SaveResult SaveHighScores(const TableChange& change, platform::MessageBoxService& messageBox);

    // The table as it stands in memory.
    HighScoreTable table() const;
    // Shows a table in the main window's labels: names, then levels.
    static void showTable(HighScoreLabels& labels, const HighScoreTable& table);

private:
    void takeErrorPath(platform::MessageBoxService& messageBox);
    void setTable(const HighScoreTable& table);
    static void reportWriteFailure(const platform::FileFailure& failure, platform::MessageBoxService& messageBox);

    platform::MessageBoxService& messageBox_;
    HighScoreFile file_;
};

}  // namespace highscores
