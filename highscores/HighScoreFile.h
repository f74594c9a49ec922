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

// hs.hsd in the game's directory: the table on disk.
class HighScoreFile {
public:
    HighScoreFile(platform::FileStore& files, const QString& directory);

    // The table, or nothing when the file gives none.
    std::optional<HighScoreTable> load();

    // Writes the changed table in place of the file's content, all at once.
    // The change starts from the given table, the one the game holds, unless
    // the file has changed since the game last read or wrote it and holds
    // exactly what the game writes for a table (another game in the same
    // directory has saved): then from that table. A file that holds anything
    // but such a table is first copied to a backup name of its own. Nothing
    // is written, and the failure is returned, while the file cannot be read
    // or that copy cannot be made.
    std::optional<platform::FileFailure> save(const HighScoreTable& fallback, const TableChange& change);

private:
    std::optional<platform::FileFailure> setAside();

    platform::FileStore& files_;
    QString path_;
    // The file's bytes as the game last read or wrote them.
    QByteArray known_;
};

}  // namespace highscores
