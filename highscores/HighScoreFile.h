#pragma once

#include "highscores/HighScoreTable.h"
#include "platform/FileStore.h"

#include <QString>

#include <optional>

namespace highscores {

// hs.hsd in the game's directory: the table on disk.
class HighScoreFile {
public:
    HighScoreFile(platform::FileStore& files, const QString& directory);

    struct Loaded {
        std::optional<HighScoreTable> table;  // nothing when the file gave no table
        bool damaged = false;  // there is a file with something in it, but no table could be read from it
    };
    Loaded load() const;

    // Writes the table in place of the file's content, all at once.
    std::optional<platform::FileFailure> save(const HighScoreTable& table);

    // Sets a damaged file aside under a backup name of its own (hs.hsd.bak,
    // hs.hsd.1.bak ...), so replacing it loses nothing.
    std::optional<platform::FileFailure> keepDamaged();

private:
    platform::FileStore& files_;
    QString path_;
};

}  // namespace highscores
