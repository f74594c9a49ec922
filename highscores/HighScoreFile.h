#pragma once

#include "highscores/HighScoreTable.h"
#include "platform/FileStore.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace highscores {

// What a save makes of the table as it stands: the table to write, or
// nothing when there is nothing to write.
using TableChange = std::function<std::optional<HighScoreTable>(const HighScoreTable& current)>;

// The change that writes this table, whatever stood before.
inline TableChange replacedBy(HighScoreTable table)
{
    return [table](const HighScoreTable&) { return table; };
}

// What a save did: the table it wrote, none when the change left nothing to
// write, or why nothing was written.
struct SaveResult {
    std::optional<HighScoreTable> written;
    std::optional<platform::FileFailure> failure;
};

// hs.hsd in the game's directory: the table on disk.
class HighScoreFile {
public:
    HighScoreFile(platform::FileStore& files, const QString& directory);

    // The table, or nothing when the file gives none.
    std::optional<HighScoreTable> load();

    // Writes the changed table in place of the file's content, all at once.
    // The table as it stands, which the change starts from, is the one the
    // game holds (given), unless the file has changed since the game last
    // read or wrote it and holds exactly what the game writes for a table
    // (another game in the same directory has saved): then the file's. A
    // file that holds anything but such a table is first copied to a backup
    // name of its own. Nothing is written, and the failure is returned, while
    // the file cannot be read or that copy cannot be made.
    SaveResult save(const HighScoreTable& held, const TableChange& change);

    // Puts the bytes of a file the player brings in place of the file, as a
    // save puts a table: a file there that the game did not write is set
    // aside first, and nothing is written while the file cannot be read or
    // set aside.
    std::optional<platform::FileFailure> bringIn(const QByteArray& bytes);

private:
    std::optional<platform::FileFailure> writeOver(const platform::FileStart& start, bool ownBytes,
                                                   const QByteArray& bytes);
    std::optional<platform::FileFailure> setAside();

    platform::FileStore& files_;
    QString path_;
    // The file's bytes as the game last read or wrote them.
    QByteArray known_;
};

}  // namespace highscores
